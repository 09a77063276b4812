// The title strip's buttons and the first half of the created event.
#pragma once

#include "app/app.h"

namespace tamsu {

void OnFoldClicked(App& app);
void OnUnfoldClicked(App& app);
void OnMinimizeClicked(App& app);
void OnMainWindowCreated(App& app);

}  // namespace tamsu
