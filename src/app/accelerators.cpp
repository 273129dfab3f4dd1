#include "app/accelerators.h"

#include <iterator>

#include "base/commands.h"

namespace {

constexpr BYTE plain = FVIRTKEY | FNOINVERT;
constexpr BYTE ctrl = plain | FCONTROL;
constexpr BYTE alt = plain | FALT;
constexpr BYTE shift = plain | FSHIFT;

constexpr WORD Sends(Command command) { return static_cast<WORD>(Id(command)); }

// The first entry of a key and its modifiers wins.
const ACCEL keys[] = {
    {ctrl, VK_OEM_PLUS, Sends(Command::FontLarger)},  // the =/+ key
    {ctrl, VK_OEM_MINUS, Sends(Command::FontSmaller)},
    {ctrl, 'C', Sends(Command::Copy)},
    {ctrl, 'D', Sends(Command::ChordOem)},
    {ctrl, 'E', Sends(Command::Centre)},
    {ctrl, 'F', Sends(Command::Find)},
    {ctrl, 'H', Sends(Command::PaintTags)},
    {ctrl, 'J', Sends(Command::Justify)},
    {ctrl, 'K', Sends(Command::ChordKoi8)},
    {ctrl, 'L', Sends(Command::AlignLeft)},
    {ctrl, 'O', Sends(Command::Open)},
    {ctrl, 'R', Sends(Command::AlignRight)},
    {ctrl, 'S', Sends(Command::Save)},
    {ctrl, 'U', Sends(Command::ChordUtf8)},
    {ctrl, 'V', Sends(Command::Paste)},
    {ctrl, VK_ADD, Sends(Command::FontLarger)},
    {alt, VK_BACK, Sends(Command::Undo)},
    {shift, VK_DELETE, Sends(Command::Cut)},
    {plain, VK_ESCAPE, SC_CLOSE},  // closes the window as the system menu does
    {plain, VK_F1, Sends(Command::Help)},
    {plain, VK_F2, Sends(Command::ViewAnsi)},
    {ctrl, VK_F2, Sends(Command::ViewOem)},
    {alt, VK_F2, Sends(Command::ViewKoi8)},
    {shift, VK_F2, Sends(Command::ViewUtf8)},
    {plain, VK_F3, Sends(Command::FindNext)},
    {plain, VK_F4, Sends(Command::Zoom)},
    {plain, VK_F5, Sends(Command::PaintTags)},
    {plain, VK_F7, Sends(Command::Find)},
    {ctrl, VK_F7, Sends(Command::Replace)},
    {ctrl, VK_INSERT, Sends(Command::Copy)},
    {shift, VK_INSERT, Sends(Command::Paste)},
    {ctrl, VK_SUBTRACT, Sends(Command::FontSmaller)},
    {ctrl, 'W', Sends(Command::ChordAnsi)},
    {ctrl, 'X', Sends(Command::Cut)},
    {ctrl, 'Z', Sends(Command::Undo)},
};

}  // namespace

HACCEL CreateAccelerators() {
  return CreateAcceleratorTableA(const_cast<ACCEL*>(keys), static_cast<int>(std::size(keys)));
}
