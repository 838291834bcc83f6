// "初期値にする": an object's attributes become the defaults of new objects.
#pragma once

struct ObjectRecord;
class QWidget;

// Asks 30004 first; on Yes writes the "OBJ" keys from `record` and confirms
// with 30006. Returns whether the defaults were written.
bool SetAsDefault(const ObjectRecord& record, QWidget* owner = nullptr);
