// Form1 on Qt Widgets: the elements built from the window's table, the
// operations Form1 needs, and its events delivered to it.
#pragma once

#include <QWidget>
#include <array>

#include "ui/form1.h"

namespace celforo::qt {

class Form1Window : public QWidget, private Form1Operations {
  Q_OBJECT
public:
  explicit Form1Window(QWidget* parent = nullptr);

  // An element by its name ("Text1", "Label8", ...), or null.
  QWidget* element(QStringView name) const;

private:
  std::string Text(ElementId box) const override;
  void SetText(ElementId box, std::string_view text) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void ShowErrorMessage(std::string_view title, std::string_view text) override;
  void EndProgram() override;

  void DeliverEvents();
  void CentreOnScreen();

  Form1 form1_{*this};
  std::array<QWidget*, kForm1Elements.size()> elements_{};
};

}  // namespace celforo::qt
