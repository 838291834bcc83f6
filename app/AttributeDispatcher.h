// The one path from a ribbon control to the selected objects: every ribbon
// property command reads its control, works out the value (a toggle flips
// the shown state, a spacing button steps it), and hands it to the editing
// commands as one undoable change; the controls then show the primary object
// again. A change that changes nothing leaves no undo step.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "app/RibbonValues.h"

class CommandRegistry;
class Document;
class EditPath;

// One attribute for the editing commands to set over the selection.
struct AttributeRequest {
  int id = 0;      // the ribbon command
  int value = 0;   // number, flag, style or colour
  QString text;    // the font name
  int primary = -1;
  int selectedVertex = -2;  // the primary object's selected vertex
};

// Sets the attribute on the selected objects of the current slide (or on
// the slide when there is no primary); true when anything changed.
using AttributeSetter = std::function<bool(Document&, const AttributeRequest&)>;

// The value a control holds: a number box's text, a colour button's colour,
// the font box's face, the light gallery's last choice; nullopt when empty.
struct ControlValue {
  int number = 0;
  QString text;
};
using ControlReader = std::function<std::optional<ControlValue>(int id)>;

struct SelectionProbe {
  std::function<int()> primary;
  std::function<int()> selectedVertex;
};

class AttributeDispatcher : public QObject {
  Q_OBJECT
 public:
  AttributeDispatcher(EditPath& edits, SelectionProbe selection, QObject* parent = nullptr);

  // Registers every ribbon property command.
  void RegisterCommands(CommandRegistry& commands);
  void SetSetter(AttributeSetter setter) { setter_ = std::move(setter); }
  void SetReader(ControlReader reader) { reader_ = std::move(reader); }

  // ApplyAttribute: true when the document changed.
  bool Apply(int id);
  // ShowAttributes for the primary object (or the slide); `reload` puts every
  // control back even when the values are those shown (after an edit that
  // changed nothing).
  void ShowAttributes(bool reload = false);
  const RibbonValues& Values() const { return values_; }
  bool IsEnabled(int id) const;

 signals:
  void Shown(const RibbonValues& values, bool reload);

 private:
  std::optional<AttributeRequest> RequestFor(int id) const;

  EditPath& edits_;
  SelectionProbe selection_;
  AttributeSetter setter_;
  ControlReader reader_;
  RibbonValues values_;
};

// What kind of value command `id` takes, for the ribbon's controls.
bool IsAttributeCommand(int id);
