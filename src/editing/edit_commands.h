// The Edit menu's commands on 编辑框1.
#pragma once

#include "app/app.h"

namespace tamsu {

void SelectAllCommand(App& app);
void CutCommand(App& app);
void CopyCommand(App& app);
void PasteCommand(App& app);
void ToUpperCaseCommand(App& app);
void ToLowerCaseCommand(App& app);
void FindCommand(App& app);
void OpenSelectedAddressCommand(App& app);

}  // namespace tamsu
