#include "app/KeyWait.h"

#include <unistd.h>

#include <istream>
#include <ostream>

namespace tavernrush {

void waitForKeyPress(std::istream& in, std::ostream& out, bool inputIsTerminal)
{
    if (!inputIsTerminal) {
        return;
    }
    out << "Press Enter to continue . . ." << std::endl;
    in.get();
}

bool standardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

} // namespace tavernrush
