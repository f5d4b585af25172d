#include "platform/BuiltinImages.h"

// The resources live in a static library: their registration must be pulled in.
static void InitImages() { Q_INIT_RESOURCE(kuralo_images); }

namespace {
void EnsureImages() {
    static const bool done = (InitImages(), true);
    (void)done;
}
}  // namespace

QImage BuiltinImage(const QString& name) {
    EnsureImages();
    return QImage(QStringLiteral(":/images/") + name);
}

QIcon ProgramIcon() {
    EnsureImages();
    QIcon icon;
    for (int size : {16, 32, 48, 256}) icon.addFile(QStringLiteral(":/images/icon%1.png").arg(size));
    return icon;
}
