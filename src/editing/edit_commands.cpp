#include "editing/edit_commands.h"

namespace tamsu {

void SelectAllCommand(App&) {}
void CutCommand(App&) {}
void CopyCommand(App&) {}
void PasteCommand(App&) {}
void ToUpperCaseCommand(App&) {}
void ToLowerCaseCommand(App&) {}
void FindCommand(App&) {}
void OpenSelectedAddressCommand(App&) {}

}  // namespace tamsu
