# Makes a delay-import library for one system DLL from its ordinary import
# library: the DLL is then loaded when one of its functions is first called.
# cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIB=... -DDLL=... -DOUTPUT=... -P delay_import.cmake
execute_process(COMMAND ${NM} ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} ${IMPORT_LIB} failed")
endif()
string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
list(TRANSFORM imports REPLACE " I __imp_" "")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
list(JOIN imports "\n" names)
set(def "${OUTPUT}.def")
file(WRITE ${def} "LIBRARY ${DLL}\nEXPORTS\n${names}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${def} --dllname ${DLL} --output-delaylib ${OUTPUT}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${DLLTOOL} could not make ${OUTPUT}")
endif()
