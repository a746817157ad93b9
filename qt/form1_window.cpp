#include "qt/form1_window.h"

#include <new>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "qt/accessibility.h"
#include "qt/drawn_elements.h"
#include "qt/form2_window.h"
#include "qt/form_elements.h"
#include "qt/menu_bar.h"
#include "qt/message_box.h"
#include "qt/night_style.h"
#include "qt/program_icon.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "qt/text_box.h"
#include "ui/credit_picture_content.h"
#include "ui/form1_layout.h"

namespace celforo::qt {

Form1Window::Form1Window(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(ToQString(kForm1.name));
  setWindowTitle(ToQString(kForm1.title));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  GiveProgramIcon(this);
  InstallAccessibility();

  // The menu bar on top, Form1's client area of the table's size under it;
  // the window takes their size and no other.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetBackground(this, kForm1.background);
  menuBar_ = new QMenuBar(this);
  // The platform's menu bar, not in the form's colour.
  QPalette platform = menuBar_->palette();
  platform.setColor(QPalette::Window, QApplication::palette(menuBar_).color(QPalette::Window));
  menuBar_->setPalette(platform);
  menuBar_->setAutoFillBackground(true);
  layout->setMenuBar(menuBar_);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setFixedSize(TwipsToPixels(kForm1.clientWidth), TwipsToPixels(kForm1.clientHeight));
  SetBackground(client_, kForm1.background);
  layout->addWidget(client_);

  CreateElements();
  DeliverEvents();
  actions_ =
      BuildMenuBar(menuBar_, this, [this](MenuCommand command) { menu_.onCommand(command); });

  form1_.onForm1Load();
  menu_.onStart();
  CentreOnScreen();
  elements_[kText1]->setFocus(Qt::OtherFocusReason);
}

Form1Window::~Form1Window() = default;

QWidget* Form1Window::element(QStringView name) const {
  return client_->findChild<QWidget*>(name.toString(), Qt::FindDirectChildrenOnly);
}

QAction* Form1Window::menuAction(MenuCommand command) const {
  for (std::size_t i = 0; i < kMenuItems.size(); ++i)
    if (kMenuItems[i].command == command) return actions_[i];
  return nullptr;
}

void Form1Window::CreateElements() {
  elements_ = MakeElements(kForm1, kForm1Elements, client_);
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    QWidget* widget = elements_[id];
    if (record.kind == ElementKind::Rectangle) frame_ = static_cast<RectangleShape*>(widget);
    if (record.kind == ElementKind::PictureBox) picture_ = static_cast<PictureView*>(widget);
    // A result's name is what it shows; its description says what that is.
    if (record.kind == ElementKind::ResultLabel)
      widget->setAccessibleDescription(ToQString(record.meaning));
  }
  picture_->SetList(CreditPictureDisplayList());
}

void Form1Window::DeliverEvents() {
  for (const Form1Handler& handler : kForm1Handlers) {
    const auto handle = [this, handle = handler.handle] { (form1_.*handle)(); };
    QWidget* widget = elements_[handler.element];
    switch (handler.event) {
      case FormEvent::Change:
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, handle);
        break;
      case FormEvent::Click:
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, handle);
        break;
    }
  }
}

std::string Form1Window::Text(ElementId box) const {
  return static_cast<const QLineEdit*>(elements_[box])->text().toStdString();
}

void Form1Window::SetText(ElementId box, std::string_view text) {
  static_cast<QLineEdit*>(elements_[box])->setText(ToQString(text));
}

void Form1Window::SetCaption(ElementId label, std::string_view caption) {
  static_cast<QLabel*>(elements_[label])->setText(ToQString(caption));
}

void Form1Window::ShowErrorMessage(std::string_view title, std::string_view text) {
  ShowMessage(this, theme_, MessageKind::Error, title, text);
}

void Form1Window::EndProgram() {
  close();
  QCoreApplication::quit();
}

void Form1Window::ShowTheme(Theme theme) {
  if (theme == theme_) return;
  theme_ = theme;
  const Palette& palette = PaletteOf(theme);
  // By day the platform's own look, as it always was.
  setStyleSheet(theme == Theme::Night ? NightStyleSheet(palette) : QString());
  if (theme == Theme::Day) {
    // Taking the style sheet away leaves on the controls the palette they had
    // under it, not the one they take from the window; they take it again.
    for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
      const ElementKind kind = kForm1Elements[id].kind;
      if (kind == ElementKind::TextBox || kind == ElementKind::PushButton)
        elements_[id]->setPalette(QPalette());
    }
    for (QMenu* menu : menuBar_->findChildren<QMenu*>()) menu->setPalette(QPalette());
  }
  picture_->SetTheme(theme);
  frame_->setColour(ToQColor(Colour(palette, Role::Frame)));
  if (panel_) panel_->ShowTheme(theme);
  for (QWidget* element : elements_)
    if (auto* box = qobject_cast<TextBox*>(element))
      box->setCaretColour(theme == Theme::Night
                              ? std::optional(ToQColor(Colour(palette, Role::Text)))
                              : std::nullopt);
}

void Form1Window::SetChecked(MenuCommand command, bool checked) {
  if (QAction* action = menuAction(command)) action->setChecked(checked);
}

void Form1Window::ShowAbout(std::string_view title, std::string_view text) {
  ShowMessage(this, theme_, MessageKind::Information, title, text);
}

bool Form1Window::MakePanel() {
  if (panel_) return true;
  try {
    panel_ = std::make_unique<Form2Window>(form1_, settings_, theme_, this);
  } catch (const std::bad_alloc&) {
    return false;
  }
  // The menu's keys work in the panel too: F2 hides it again.
  for (QAction* action : actions_) panel_->addAction(action);
  panel_->PlaceBeside(*this);
  return true;
}

Form2* Form1Window::Panel() {
  return MakePanel() ? &panel_->form2() : nullptr;
}

bool Form1Window::TogglePanel() {
  if (!MakePanel()) return false;
  if (panel_->isVisible()) {
    // The keyboard goes back to the form, where it was before.
    const bool hadTheKeyboard = panel_->isActiveWindow();
    panel_->hide();
    if (hadTheKeyboard) activateWindow();
    return true;
  }
  panel_->show();
  panel_->activateWindow();
  return true;
}

void Form1Window::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  layout()->activate();
  // Frame sizes are known only once the window system has shown the window,
  // so it is the window inside its frame that is centred.
  QRect inside(QPoint(), size());
  inside.moveCenter(screen->availableGeometry().center());
  setGeometry(inside);
}

}  // namespace celforo::qt
