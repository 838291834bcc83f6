// Shows a failure that model code returned: its detail line, then its message.
#pragma once

class QWidget;
struct Failure;

// Nothing is shown for a step the user stopped.
void ShowFailure(const Failure& failure, QWidget* owner);
