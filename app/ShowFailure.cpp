#include "app/ShowFailure.h"

#include "app/store/Messages.h"
#include "export/Failure.h"

void ShowFailure(const Failure& failure, QWidget* owner) {
  if (failure.id != kCancelled) ShowMessage(failure.id, owner, failure.detail);
}
