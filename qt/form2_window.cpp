#include "qt/form2_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>
#include <variant>

#include "qt/accessibility.h"
#include "qt/drawn_elements.h"
#include "qt/form_elements.h"
#include "qt/message_box.h"
#include "qt/panel_files.h"
#include "qt/picture_png.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "qt/text_box.h"
#include "ui/panel_placement.h"

namespace celforo::qt {
namespace {

// The group of the settings the panel's inputs are kept in.
constexpr std::string_view kSettingsGroup = "panel/";

std::string SettingName(std::string_view key) {
  return std::string(kSettingsGroup) + std::string(key);
}

}  // namespace

Form2Window::Form2Window(Form1& form1, SettingsStore& settings, Theme theme, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      settings_(settings),
      form2_(*this, form1, settings) {
  InstallAccessibility();
  setObjectName(ToQString(kForm2.name));
  setWindowTitle(ToQString(kForm2.title));
  setFixedSize(TwipsToPixels(kForm2.clientWidth), TwipsToPixels(kForm2.clientHeight));
  SetBackground(this, kForm2.background);

  elements_ = MakeElements(kForm2, kForm2Elements, this);
  // What the page alone builds is not shown.
  for (ElementId id = 0; id < kForm2Elements.size(); ++id)
    if (kForm2Elements[id].platforms == Platforms::PageOnly) elements_[id]->hide();
  pictures_ = {static_cast<PictureView*>(elements_[kPlanPicture]),
               static_cast<PictureView*>(elements_[kNightPicture])};
  frame_ = static_cast<RectangleShape*>(elements_[Form2Index("Shape2")]);
  NameElements();
  DeliverEvents();
  ShowTheme(theme);
  form2_.onForm2Load();
  elements_[kApertureBox]->setFocus(Qt::OtherFocusReason);
}

QWidget* Form2Window::element(QStringView name) const {
  return findChild<QWidget*>(name.toString(), Qt::FindDirectChildrenOnly);
}

void Form2Window::NameElements() {
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    const ElementRecord& record = kForm2Elements[id];
    if (record.kind == ElementKind::ResultLabel)
      elements_[id]->setAccessibleName(ToQString(record.meaning));
    if (record.kind == ElementKind::PushButton)
      elements_[id]->setAccessibleName(ToQString(ButtonName(record)));
    if (IsField(record.kind)) Describe(id);
    // A caption over a field or a result labels it.
    if (const std::optional<ElementId> caption = kForm2Relations.caption[id])
      static_cast<QLabel*>(elements_[*caption])->setBuddy(elements_[id]);
  }
}

void Form2Window::Describe(ElementId field) {
  QStringList parts;
  if (const std::optional<ElementId> unit = kForm2Relations.unit[field])
    parts << ToQString(kForm2Elements[*unit].caption);
  if (const std::optional<ElementId> problem = kForm2Relations.problem[field];
      problem && invalid_[field])
    parts << static_cast<QLabel*>(elements_[*problem])->text();
  elements_[field]->setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

void Form2Window::DeliverEvents() {
  for (const Form2Handler& handler : kForm2Handlers) {
    const ElementId id = handler.element;
    const auto handle = [this, id, handle = handler.handle] { (form2_.*handle)(id); };
    QWidget* widget = elements_[id];
    switch (handler.event) {
      case FormEvent::Change:
        if (auto* choice = qobject_cast<QComboBox*>(widget)) {
          connect(choice, &QComboBox::currentIndexChanged, this, handle);
        } else {
          connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, handle);
        }
        break;
      case FormEvent::Click:
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, handle);
        break;
    }
  }
}

void Form2Window::ShowTheme(Theme theme) {
  theme_ = theme;
  const Palette& palette = PaletteOf(theme);
  for (ElementId id = 0; id < kForm2Elements.size(); ++id) {
    QWidget* element = elements_[id];
    switch (kForm2Elements[id].kind) {
      case ElementKind::TextBox:
      case ElementKind::DateTimeField: {
        auto* box = static_cast<TextBox*>(element);
        // Taking the night's style sheet away leaves on the controls the
        // palette they had under it: by day they take the window's again.
        if (theme == Theme::Day) box->setPalette(QPalette());
        box->setCaretColour(theme == Theme::Night
                                ? std::optional(ToQColor(Colour(palette, Role::Text)))
                                : std::nullopt);
        box->setOutline(invalid_[id] ? std::optional(ToQColor(Colour(palette, Role::ProblemText)))
                                     : std::nullopt);
        break;
      }
      case ElementKind::PushButton:
      case ElementKind::Choice:
        if (theme == Theme::Day) element->setPalette(QPalette());
        break;
      case ElementKind::ProblemLabel: {
        QPalette problem = element->palette();
        problem.setColor(QPalette::WindowText, ToQColor(Colour(palette, Role::ProblemText)));
        element->setPalette(problem);
        break;
      }
      case ElementKind::CaptionLabel:
      case ElementKind::ResultLabel:
      case ElementKind::PictureBox:
      case ElementKind::Rectangle: break;
    }
  }
  for (PictureView* picture : pictures_) picture->SetTheme(theme);
  frame_->setColour(ToQColor(Colour(palette, Role::Frame)));
}

void Form2Window::PlaceBeside(const QWidget& main) {
  const QScreen* screen = main.screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QRect mainFrame = main.frameGeometry();
  // The panel's frame is the main window's, which the window system has
  // drawn already; the panel's own is known only once it is shown, so it is
  // the client area that is placed, inside where the frame will be.
  const QPoint inside = main.geometry().topLeft() - mainFrame.topLeft();
  const QSize panel = size() + mainFrame.size() - main.size();
  const ScreenPoint place =
      PanelPlace({available.x(), available.y(), available.width(), available.height()},
                 {mainFrame.x(), mainFrame.y(), mainFrame.width(), mainFrame.height()},
                 panel.width(), panel.height());
  setGeometry(QRect(QPoint(place.x, place.y) + inside, size()));
}

void Form2Window::closeEvent(QCloseEvent* event) {
  if (isActiveWindow() && parentWidget() != nullptr) parentWidget()->activateWindow();
  QWidget::closeEvent(event);
}

std::string Form2Window::Text(ElementId field) const {
  // A choice reads as its chosen item.
  if (const auto* choice = qobject_cast<const QComboBox*>(elements_[field]))
    return choice->currentText().toStdString();
  return static_cast<const QLineEdit*>(elements_[field])->text().toStdString();
}

void Form2Window::SetText(ElementId field, std::string_view text) {
  QString shown = ToQString(text);
  // The date-time field reads "YYYY-MM-DD HH:MM".
  if (field == kDateField) shown.replace(QLatin1Char('T'), QLatin1Char(' '));
  auto* box = static_cast<QLineEdit*>(elements_[field]);
  const QSignalBlocker quiet(box);  // Form2 acts on its own settings itself
  box->setText(shown);
}

int Form2Window::Choice(ElementId choice) const {
  return static_cast<const QComboBox*>(elements_[choice])->currentIndex();
}

void Form2Window::SetChoice(ElementId choice, int item) {
  auto* box = static_cast<QComboBox*>(elements_[choice]);
  const QSignalBlocker quiet(box);
  box->setCurrentIndex(item);
}

void Form2Window::SetCaption(ElementId label, std::string_view caption) {
  static_cast<QLabel*>(elements_[label])->setText(ToQString(caption));
}

void Form2Window::SetInvalid(ElementId field, bool invalid) {
  invalid_[field] = invalid;
  if (auto* box = qobject_cast<TextBox*>(elements_[field]))
    box->setOutline(invalid ? std::optional(ToQColor(Colour(PaletteOf(theme_), Role::ProblemText)))
                            : std::nullopt);
  Describe(field);
}

void Form2Window::SetPicture(ElementId picture, const DisplayList& list) {
  static_cast<PictureView*>(elements_[picture])->SetList(list);
}

std::optional<std::string> Form2Window::Remembered(std::string_view key) const {
  return settings_.Read(SettingName(key));
}

void Form2Window::Remember(std::string_view key, std::string_view value) {
  settings_.Write(SettingName(key), value);
}

void Form2Window::SetItems(ElementId choice, std::span<const std::string> items) {
  auto* box = static_cast<QComboBox*>(elements_[choice]);
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& item : items) box->addItem(ToQString(item));
  box->setCurrentIndex(0);
}

std::optional<ChosenFile> Form2Window::AskFileToWrite(std::string_view name,
                                                      std::span<const FileKind> kinds) {
  return qt::AskFileToWrite(this, theme_, name, kinds);
}

std::optional<std::string> Form2Window::WriteFile(const ChosenFile& file, std::string_view bytes) {
  return WriteWholeFile(QString::fromStdString(file.name), bytes);
}

void Form2Window::AskFileToRead(FileKind kind, std::size_t mostBytes) {
  const std::optional<QString> path = qt::AskFileToRead(this, theme_, kind);
  if (!path) return;
  const FileStart start = ReadFileStart(*path, mostBytes);
  if (const auto* bytes = std::get_if<std::string>(&start)) {
    form2_.onFileRead(kind, *bytes);
  } else {
    form2_.onFileNotRead(kind, std::get<FileNotRead>(start).why);
  }
}

std::optional<std::string> Form2Window::PngImage(const DisplayList& list) {
  return PngOfDisplayList(list, PaletteOf(Theme::Day));
}

void Form2Window::ShowRefusal(std::string_view text) {
  ShowMessage(this, theme_, MessageKind::Error, kMessageTitle, text);
}

// The desktop builds neither COPIA LINK nor POSIZIONE: never asked.
void Form2Window::CopyLink(std::string_view) {}

void Form2Window::AskPosition() {}

}  // namespace celforo::qt
