"""The editor is one static exe that needs only DLLs that Windows itself ships."""
import os
import subprocess
import unittest

EXE = os.environ["TAMSU_EXE"]

# System DLLs present on every Windows 7 or later installation.
WINDOWS_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "rasapi32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "winspool.drv", "ws2_32.dll", "version.dll", "windowscodecs.dll", "imm32.dll", "uxtheme.dll",
}


class ExeImports(unittest.TestCase):
    def test_only_windows_dlls_and_no_runtime_dlls(self):
        out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", EXE], capture_output=True, text=True,
                             check=True).stdout
        dlls = {line.split(":", 1)[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line}
        self.assertIn("kernel32.dll", dlls)
        self.assertEqual(dlls - WINDOWS_DLLS, set(), "imports a DLL that Windows does not ship")
        self.assertIn("file format pei-x86-64", out)
        self.assertIn("(Windows GUI)", out)


if __name__ == "__main__":
    unittest.main()
