// Shows the message of a refused check in its box, caption and all.
#pragma once

#include "app/user_dialogs.h"
#include "generate/form_check.h"

namespace qm {

// Nothing is shown for a check that passed.
void showRefusal(UserDialogs& dialogs, const FormCheck& check);

}  // namespace qm
