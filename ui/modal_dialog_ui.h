// The modal wx dialog on screen, for what must behave differently while one runs.
#pragma once

class wxDialog;

// The shown modal wx dialog, if any (the innermost when several are open).
wxDialog* ShownModalDialog();
