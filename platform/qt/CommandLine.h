#pragma once

#include <QStringList>
#include <string>

namespace sorna {

// The program's command line as one text: the arguments after the program name, joined by
// single spaces, since the system hands them over already split.
std::u16string CommandLineText(const QStringList& arguments);

}  // namespace sorna
