// Form1 on Qt Widgets: the window with its menu bar, Form1's elements built
// from the window's table in the client area under it, the operations Form1
// and the menu need, and their events delivered to them; and the planning
// panel's window, which it opens beside itself.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <QWidget>
#include <array>
#include <memory>

#include "qt/settings_store.h"
#include "ui/form1.h"
#include "ui/message_icon.h"
#include "ui/window_menu.h"

namespace celforo::qt {

class Form2Window;
class PictureView;
class RectangleShape;

class Form1Window : public QWidget, private Form1Operations, private WindowMenuOperations {
  Q_OBJECT
public:
  explicit Form1Window(QWidget* parent = nullptr);

  // An element by its name ("Text1", "Label8", ...), or null.
  QWidget* element(QStringView name) const;

  // Form1's client area, under the menu bar: the elements' twips count from
  // its corner.
  QWidget* clientArea() const { return client_; }
  QMenuBar* menuBar() const { return menuBar_; }
  // The menu item of a command.
  QAction* menuAction(MenuCommand command) const;
  Theme theme() const { return theme_; }
  // The planning panel, once it has been opened; null before.
  Form2Window* panel() const { return panel_.get(); }

  ~Form1Window() override;

private:
  std::string Text(ElementId box) const override;
  void SetText(ElementId box, std::string_view text) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void ShowErrorMessage(std::string_view title, std::string_view text) override;
  void EndProgram() override;

  void ShowTheme(Theme theme) override;
  void SetChecked(MenuCommand command, bool checked) override;
  void ShowAbout(std::string_view title, std::string_view text) override;
  bool TogglePanel() override;
  Form2* Panel() override;
  // Builds the panel, hidden, the first time; false where it cannot be made.
  bool MakePanel();

  void CreateElements();
  void DeliverEvents();
  void CentreOnScreen();

  SettingsFile settings_;
  Form1 form1_{*this};
  WindowMenu menu_{*this, settings_};
  Theme theme_ = Theme::Day;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  PictureView* picture_ = nullptr;
  RectangleShape* frame_ = nullptr;
  std::array<QWidget*, kForm1Elements.size()> elements_{};
  std::array<QAction*, kMenuItems.size()> actions_{};
  // Built when first opened; it goes before the form it plans with.
  std::unique_ptr<Form2Window> panel_;
};

}  // namespace celforo::qt
