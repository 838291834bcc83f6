// An error as a value: the string-table id of the message to show and an
// optional first line (a path, a name) shown before it. Code below the
// application shell returns these; only the shell shows them.
#pragma once

#include <QString>

struct Failure {
  int messageId = 0;
  QString detail;
};
