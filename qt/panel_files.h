// The planning panel's files on the desktop: where to write one and which to
// read, asked by the system's file dialogs (by night the toolkit's own,
// which the night's colours reach), and the files written and read whole,
// with what went wrong in words for the user.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "ui/form2_operations.h"
#include "ui/palette.h"

namespace celforo::qt {

// The name filter a dialog offers for a kind: "Immagine SVG (*.svg)".
QString NameFilterOf(FileKind kind);

// Asks where to write a file of one of `kinds`, offering their filters in
// that order and suggesting `name`; the dialog asks before replacing a
// file. The kind is the one the name's extension says, else the filter
// chosen, whose extension a name without one is given: "trip" with
// "Impostazione CELFORO (*.json)" is "trip.json". Nothing when cancelled.
std::optional<ChosenFile> AskFileToWrite(QWidget* owner, Theme theme, std::string_view name,
                                         std::span<const FileKind> kinds);

// Asks for an existing file of `kind` to read: its path, or nothing when
// cancelled.
std::optional<QString> AskFileToRead(QWidget* owner, Theme theme, FileKind kind);

// Writes `bytes` as the whole of the file at `path`, which a failure leaves
// as it was: nothing when done, else why not ("Spazio esaurito sul disco.").
std::optional<std::string> WriteWholeFile(const QString& path, std::string_view bytes);

// What reading a file gave: its first bytes, or why there are none.
struct FileNotRead {
  std::string why;  // "Impossibile aprire il file: non esiste o non è leggibile."
};
using FileStart = std::variant<std::string, FileNotRead>;

// The first `mostBytes` bytes of the file at `path` (all of a shorter one).
FileStart ReadFileStart(const QString& path, std::size_t mostBytes);

}  // namespace celforo::qt
