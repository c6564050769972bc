#pragma once
// The manual this build compiles, registered alone in a help collection of
// its own as the help window registers it, for looking up its index.
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace moxlet::test {

inline const QString kManual = QStringLiteral(MOXLET_BINARY_DIR "/share/moxlet/moxlet.qch");

struct ManualIndex {
    QTemporaryDir dir;
    QHelpEngineCore engine{dir.filePath(QStringLiteral("test.qhc"))};
    ManualIndex()
    {
        engine.setReadOnly(false);
        EXPECT_TRUE(engine.setupData());
        EXPECT_TRUE(engine.registerDocumentation(kManual)) << engine.error().toStdString();
    }
    bool hasKeyword(const QString& keyword) const { return !engine.documentsForKeyword(keyword).isEmpty(); }
};

}  // namespace moxlet::test
