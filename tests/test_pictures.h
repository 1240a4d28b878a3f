// Where the window tests keep the pictures they take for a person to look
// at: test-output in the build folder, beside the output folder, which
// keeps only what the build puts there. Each picture has a name of its
// own, written by one test.
#pragma once

#include <QDir>
#include <QString>

namespace kalvest::testing {

inline QString TestPicturePath(const QString& name) {
    const QString folder = QStringLiteral(KALVEST_OUTPUT_DIR "/../test-output");
    QDir().mkpath(folder);
    return folder + "/" + name;
}

}  // namespace kalvest::testing
