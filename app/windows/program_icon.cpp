#include "windows/program_icon.h"

#include <QString>

// The icons are a resource of a static library: naming its initializer
// here keeps the linker from dropping it. The macro cannot stand inside a
// namespace.
static void InitProgramIconResource() { Q_INIT_RESOURCE(program_icon); }

namespace kalvest {

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        InitProgramIconResource();
        QIcon sizes;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            sizes.addFile(QStringLiteral(":/icons/kalvest-%1.png").arg(size), QSize(size, size));
        }
        return sizes;
    }();
    return icon;
}

}  // namespace kalvest
