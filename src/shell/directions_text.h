#pragma once

#include <QString>

namespace kaven::shell {

// The general directions shown before a test, exactly as the candidate reads them.
QString directionsText();

} // namespace kaven::shell
