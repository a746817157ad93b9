#include "qt/panel_files.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QToolButton>

#include "qt/night_style.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"

namespace celforo::qt {
namespace {

constexpr std::string_view kNotCreated = "Impossibile creare il file in quella cartella.";
constexpr std::string_view kDiskFull = "Spazio esaurito sul disco.";
constexpr std::string_view kNotWritten = "Impossibile scrivere il file.";
constexpr std::string_view kNotOpened = "Impossibile aprire il file: non esiste o non è leggibile.";
constexpr std::string_view kNotRead = "Impossibile leggere il file.";

// The extension without its dot: "json".
QString SuffixOf(FileKind kind) {
  return ToQString(FileTypeOf(kind).extension.substr(1));
}

// The toolkit's icons of files and folders, in the night's red.
class NightIcons final : public QFileIconProvider {
public:
  QIcon icon(IconType type) const override { return Night(QFileIconProvider::icon(type)); }
  QIcon icon(const QFileInfo& info) const override { return Night(QFileIconProvider::icon(info)); }

private:
  static QIcon Night(const QIcon& icon) {
    return NightIcon(icon, ToQColor(Colour(PaletteOf(Theme::Night), Role::Text)));
  }
};

// The toolkit's own dialog by night, where the system's would bring its
// colours, with its icons in the night's red and the owner's night style
// sheet; the system's by day.
void Prepare(QFileDialog& dialog, Theme theme) {
  dialog.setWindowModality(Qt::WindowModal);
  if (theme == Theme::Day) return;
  static NightIcons nightIcons;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&nightIcons);
  dialog.setSizeGripEnabled(false);
  const QColor ink = ToQColor(Colour(PaletteOf(Theme::Night), Role::Text));
  for (QToolButton* button : dialog.findChildren<QToolButton*>())
    button->setIcon(NightIcon(button->icon(), ink));
  // The folders' list keeps the icons it was given before: none by night.
  for (QComboBox* list : dialog.findChildren<QComboBox*>()) list->setIconSize(QSize(0, 0));
  // Its scroll bars (a long folder name in the places' list brings one) in
  // the night's red on black, their arrows left out as the night has no grey.
  dialog.setStyleSheet(
      QStringLiteral("QScrollBar { background: black; border: 1px solid %1; }"
                     "QScrollBar::handle { background: %1; min-width: 12px; min-height: 12px; }"
                     "QScrollBar::add-line, QScrollBar::sub-line { background: black;"
                     " border: 1px solid %1; }"
                     "QScrollBar::add-page, QScrollBar::sub-page { background: black; }"
                     "QScrollBar::left-arrow, QScrollBar::right-arrow, QScrollBar::up-arrow,"
                     " QScrollBar::down-arrow { width: 0; height: 0; }")
          .arg(ink.name()));
}

}  // namespace

QString NameFilterOf(FileKind kind) {
  const FileType& type = FileTypeOf(kind);
  return QStringLiteral("%1 (*%2)").arg(ToQString(type.description), ToQString(type.extension));
}

std::optional<ChosenFile> AskFileToWrite(QWidget* owner, Theme theme, std::string_view name,
                                         std::span<const FileKind> kinds) {
  if (kinds.empty()) return std::nullopt;
  QFileDialog dialog(owner);
  Prepare(dialog, theme);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const FileKind kind : kinds) filters << NameFilterOf(kind);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.front());
  dialog.setDefaultSuffix(SuffixOf(kinds.front()));
  // A name typed without an extension takes the filter's.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const qsizetype i = filters.indexOf(filter);
    if (i >= 0) dialog.setDefaultSuffix(SuffixOf(kinds[static_cast<std::size_t>(i)]));
  });
  dialog.selectFile(ToQString(name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString path = dialog.selectedFiles().front();
  const QString suffix = QFileInfo(path).suffix();
  for (const FileKind kind : kinds)
    if (suffix.compare(SuffixOf(kind), Qt::CaseInsensitive) == 0)
      return ChosenFile{path.toStdString(), kind};
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  const FileKind kind = kinds[chosen < 0 ? 0 : static_cast<std::size_t>(chosen)];
  path += ToQString(FileTypeOf(kind).extension);
  return ChosenFile{path.toStdString(), kind};
}

std::optional<QString> AskFileToRead(QWidget* owner, Theme theme, FileKind kind) {
  QFileDialog dialog(owner);
  Prepare(dialog, theme);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(NameFilterOf(kind));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<std::string> WriteWholeFile(const QString& path, std::string_view bytes) {
  // Written beside it and put in its place once whole, so that a failure
  // leaves a file it would have replaced as it was.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return std::string(kNotCreated);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.commit())
    return std::string(file.error() == QFileDevice::ResourceError ? kDiskFull : kNotWritten);
  return std::nullopt;
}

FileStart ReadFileStart(const QString& path, std::size_t mostBytes) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
    return FileNotRead{std::string(kNotOpened)};
  std::string bytes(mostBytes, '\0');
  std::size_t got = 0;
  while (got < mostBytes) {
    const qint64 read = file.read(bytes.data() + got, static_cast<qint64>(mostBytes - got));
    if (read < 0) return FileNotRead{std::string(kNotRead)};
    if (read == 0) break;
    got += static_cast<std::size_t>(read);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace celforo::qt
