// Planted: a plain C++ library reaching Qt.
#include <QString>
