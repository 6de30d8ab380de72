#include "platform/qt/CommandLine.h"

namespace sorna {

std::u16string CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(u' ').toStdU16String();
}

}  // namespace sorna
