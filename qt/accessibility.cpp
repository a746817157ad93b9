#include "qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "qt/choice_box.h"
#include "qt/labels.h"

namespace celforo::qt {
namespace {

// A text that can be read and not written: offsets are in UTF-16 code units;
// an end beyond the text, or -1, is the text's end.
class ReadOnlyText : public QAccessibleTextInterface {
public:
  QString text(int startOffset, int endOffset) const override {
    const QString all = Shown();
    if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

protected:
  virtual QString Shown() const = 0;
};

// A result: named by its accessible name where it has one (the panel's, by
// the caption over it), else by its text (Form1's, which the description
// explains); its text readable, its selection the mouse's.
class ResultAccessible : public QAccessibleWidget, public ReadOnlyText {
public:
  explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  using ReadOnlyText::text;  // a part of the text, beside the element's texts

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && label()->accessibleName().isEmpty()) return label()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (index != 0 || !label()->hasSelectedText()) return;
    *startOffset = label()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(label()->selectedText().size());
  }
  void setSelection(int, int startOffset, int endOffset) override {
    addSelection(startOffset, endOffset);
  }
  void addSelection(int startOffset, int endOffset) override {
    endOffset = std::clamp(endOffset, 0, characterCount());
    startOffset = std::clamp(startOffset, 0, endOffset);
    label()->setSelection(startOffset, endOffset - startOffset);
  }
  void removeSelection(int) override { label()->setSelection(0, 0); }

protected:
  QString Shown() const override { return label()->text(); }

private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A caption: named by its text, as any label; but a caption over a field or
// a result labels it (its buddy), whose name is the caption already, and has
// none of its own.
class CaptionAccessible : public QAccessibleWidget {
public:
  explicit CaptionAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return label()->buddy() != nullptr ? QString() : label()->text();
    return QAccessibleWidget::text(t);
  }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto related = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) && label()->buddy() != nullptr)
      related.append(
          {QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
    return related;
  }

private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

class ChoiceAccessible;

// One item of a choice; either of its actions chooses it, as a click in the
// open list does.
class ChoiceItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
  ChoiceItemAccessible(QComboBox* box, int index) : box_(box), index_(index) {}

  bool isValid() const override { return box_ != nullptr && index_ < box_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return box_ ? box_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return box_->itemText(index_);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid() || !box_->view()->isVisible()) return {};
    const QAbstractItemView* view = box_->view();
    const QRect place = view->visualRect(view->model()->index(index_, box_->modelColumn()));
    return {view->viewport()->mapToGlobal(place.topLeft()), place.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = true;
    state.selected = isValid() && box_->currentIndex() == index_;
    state.invisible = !isValid() || !box_->view()->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override { return {toggleAction(), pressAction()}; }
  void doAction(const QString& actionName) override {
    if (!isValid() || !actionNames().contains(actionName)) return;
    box_->setCurrentIndex(index_);
    if (box_->view()->isVisible()) box_->hidePopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QPointer<QComboBox> box_;
  int index_;
};

// The list of a choice's items, whether or not it is open.
class ChoiceListAccessible : public QAccessibleInterface {
public:
  explicit ChoiceListAccessible(QComboBox* box) : box_(box) {}
  ~ChoiceListAccessible() override {
    for (const QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
  }

  bool isValid() const override { return box_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return box_ ? box_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* parent() const override {
    return box_ ? QAccessible::queryAccessibleInterface(box_.data()) : nullptr;
  }
  QAccessibleInterface* child(int index) const override {
    if (!box_ || index < 0 || index >= box_->count()) return nullptr;
    while (static_cast<int>(items_.size()) <= index) {
      auto* item = new ChoiceItemAccessible(box_, static_cast<int>(items_.size()));
      items_.push_back(QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
  }
  int childCount() const override { return box_ ? box_->count() : 0; }
  int indexOfChild(const QAccessibleInterface* item) const override {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (QAccessible::accessibleInterface(items_[i]) == item) return static_cast<int>(i);
    return -1;
  }
  QString text(QAccessible::Text) const override { return {}; }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!box_) return {};
    const QWidget* shown =
        box_->view()->isVisible() ? static_cast<QWidget*>(box_->view()) : box_.data();
    return {shown->mapToGlobal(QPoint()), shown->size()};
  }
  QAccessible::Role role() const override { return QAccessible::List; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !box_ || !box_->view()->isVisible();
    return state;
  }

private:
  QPointer<QComboBox> box_;
  mutable std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* ChoiceItemAccessible::parent() const {
  QAccessibleInterface* choice =
      box_ ? QAccessible::queryAccessibleInterface(box_.data()) : nullptr;
  return choice ? choice->child(0) : nullptr;
}

// A choice from a list: named by its accessible name (the caption over it),
// its chosen item its value and its text; its actions open and close the
// list, as the toolkit's own.
class ChoiceAccessible : public QAccessibleWidget, public ReadOnlyText {
public:
  explicit ChoiceAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
  ~ChoiceAccessible() override {
    if (list_ != 0) QAccessible::deleteAccessibleInterface(list_);
  }

  using ReadOnlyText::text;  // a part of the text, beside the element's texts

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->currentText();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    if (index != 0) return nullptr;
    if (list_ == 0)
      list_ = QAccessible::registerAccessibleInterface(new ChoiceListAccessible(box()));
    return QAccessible::accessibleInterface(list_);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return list_ != 0 && QAccessible::accessibleInterface(list_) == child ? 0 : -1;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = box()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& actionName) override {
    if (actionName != showMenuAction() && actionName != pressAction())
      return QAccessibleWidget::doAction(actionName);
    if (box()->view()->isVisible()) {
      box()->hidePopup();
    } else {
      box()->showPopup();
    }
  }

protected:
  QString Shown() const override { return box()->currentText(); }

private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

  mutable QAccessible::Id list_ = 0;
};

QAccessibleInterface* Describe(const QString& className, QObject* object) {
  if (className == QLatin1String(ChoiceBox::staticMetaObject.className()))
    return new ChoiceAccessible(static_cast<QComboBox*>(object));
  if (className == QLatin1String(ResultLabel::staticMetaObject.className()))
    return new ResultAccessible(static_cast<QLabel*>(object));
  if (className == QLatin1String(CaptionLabel::staticMetaObject.className()))
    return new CaptionAccessible(static_cast<QLabel*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Describe);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace celforo::qt
