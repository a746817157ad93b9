// What the planning panel's handlers need from a window system. Each window
// system builds the elements of kForm2Elements (those of its platform),
// carries out these operations on them, and delivers Load, Change and Click
// to Form2 by kForm2Handlers; the set-up's commands (Form2::SaveSetup and
// the rest) come from the desktop windows' menu or the page's own buttons,
// and what a window system finds later (a file read, the device's position)
// is delivered to Form2's handlers of it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/display_list.h"
#include "ui/form1_layout.h"

namespace celforo {

// The kinds of file the panel writes and reads.
enum class FileKind {
  Setup,       // a set-up, JSON: "celforo.json" (calc/setup_file.h)
  SvgPicture,  // the sensor's picture as SVG: "celforo.svg"
  PngPicture,  // the same painted as PNG by the window system: "celforo.png"
};

// What a file dialog or a download says of a kind: "Impostazione CELFORO",
// ".json", "application/json".
struct FileType {
  FileKind kind;
  std::string_view description;
  std::string_view extension;
  std::string_view mediaType;
};

// In the order of FileKind.
inline constexpr std::array<FileType, 3> kFileTypes{{
    {FileKind::Setup, "Impostazione CELFORO", ".json", "application/json"},
    {FileKind::SvgPicture, "Immagine SVG", ".svg", "image/svg+xml"},
    {FileKind::PngPicture, "Immagine PNG", ".png", "image/png"},
}};

constexpr const FileType& FileTypeOf(FileKind kind) {
  return kFileTypes[static_cast<std::size_t>(kind)];
}

// A file the user chose to write: its path on the desktop, the name it is
// downloaded under on the page; and which of the kinds offered it is (the
// dialog's type, or its name's extension).
struct ChosenFile {
  std::string name;
  FileKind kind = FileKind::Setup;
};

class Form2Operations {
public:
  // The text of a box or of the date-time field ("YYYY-MM-DDTHH:MM" or
  // "YYYY-MM-DD HH:MM", local time), in UTF-8.
  virtual std::string Text(ElementId field) const = 0;

  // Sets the text of a box or of the date-time field. No Change follows: the
  // handlers act on their own settings themselves.
  virtual void SetText(ElementId field, std::string_view text) = 0;

  // The item chosen in a choice, from 0, in the order of its items.
  virtual int Choice(ElementId choice) const = 0;
  virtual void SetChoice(ElementId choice, int item) = 0;

  // Replaces the items of a choice whose items come at run time (STRUMENTI's
  // lists: "—", then the kit's names), the first chosen. No Change follows.
  // Until then a choice holds the lines of its caption.
  virtual void SetItems(ElementId choice, std::span<const std::string> items) = 0;

  // Sets the caption of a result label or a problem line.
  virtual void SetCaption(ElementId label, std::string_view caption) = 0;

  // Marks a field as holding a text that cannot be used (or not), and ties
  // it to the problem line that says why, for a screen reader.
  virtual void SetInvalid(ElementId field, bool invalid) = 0;

  // What the picture shows from now on.
  virtual void SetPicture(ElementId picture, const DisplayList& list) = 0;

  // The panel's inputs kept between runs, by key: nothing when none is kept
  // or the store cannot be read.
  virtual std::optional<std::string> Remembered(std::string_view key) const = 0;
  virtual void Remember(std::string_view key, std::string_view value) = 0;

  // Asks the user where to write a file of one of `kinds` (the first
  // offered first), suggesting `name` ("celforo.json"): the desktop by the
  // system's dialog, which asks before replacing a file; the page asks
  // nothing and answers `name` and the first kind, to download. Nothing
  // when the user cancels.
  virtual std::optional<ChosenFile> AskFileToWrite(std::string_view name,
                                                   std::span<const FileKind> kinds) = 0;

  // Writes `bytes` as the whole of `file` (the page: offers them as a
  // download under its name): nothing when done, else why not, in words
  // for the user ("Spazio esaurito sul disco.").
  virtual std::optional<std::string> WriteFile(const ChosenFile& file, std::string_view bytes) = 0;

  // Asks the user for a file of `kind` to read (the desktop by the system's
  // dialog, the page by the browser's) and reads at most `mostBytes` of it:
  // what lies beyond cannot make the file readable. The window system then
  // delivers its bytes to Form2::onFileRead, or why it could not be read to
  // Form2::onFileNotRead, and nothing when the user cancels: the desktop
  // before returning, the page once the browser has read it.
  virtual void AskFileToRead(FileKind kind, std::size_t mostBytes) = 0;

  // `list` painted as a PNG image of its own size in pixels, in the day's
  // colours; nothing where it cannot be painted.
  virtual std::optional<std::string> PngImage(const DisplayList& list) = 0;

  // Tells the user why what was asked was not done: a modal message with
  // the title CELFORO, an error icon and one OK button, as Form1's run-time
  // errors are told, in the windows' theme.
  virtual void ShowRefusal(std::string_view text) = 0;

  // The page's COPIA LINK: puts the page's own address, its fragment
  // replaced by `fragment` ("#setup=..."), on the clipboard. The desktop
  // windows have no address, and are never asked.
  virtual void CopyLink(std::string_view fragment) = 0;

  // The page's POSIZIONE: asks the browser for the device's position, which
  // the page delivers to Form2::onPositionFound, or why there is none to
  // Form2::onPositionNotFound. The desktop windows do not build POSIZIONE,
  // and are never asked.
  virtual void AskPosition() = 0;

protected:
  ~Form2Operations() = default;
};

}  // namespace celforo
