// Every file the program writes is replaced as a whole: when the write fails half-way (here the
// file-size limit of the process stops it, as a full disk would), the old file is still there
// and readable, and the failure is reported.
#include "FileioTestSupport.h"

#include "common/Error.h"
#include "fileio/AutoLoad.h"
#include "fileio/DbfExchange.h"
#include "fileio/DbfTemplate.h"
#include "fileio/GoodsSheetFile.h"
#include "fileio/GoodsTextFile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace tevo;
using namespace tevo::test;

namespace {

// Files may not grow past `bytes` while it lives (writes beyond fail with EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool set() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_set = false;
};

TEST(FileReplacement, AWriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    StoreFixture f;
    for (int r = 0; r < 50; ++r)
        f.goods().setValue(r, QStringLiteral("TNAME1"), QStringLiteral("Товар %1").arg(r + 1));
    QString error;
    ASSERT_TRUE(writeDbfTemplate(f.file(QStringLiteral("template.dbf")), &error)) << error.toStdString();
    const QString ini = f.file(QStringLiteral("AutoLoad.ini"));
    AutoLoadSettings settings;
    settings.FName = f.file(QStringLiteral("a watched goods file with a long name.txt"));
    settings.Time = 30;
    settings.EnableAutoLoad = true;
    settings.LoadToScale = true;

    const struct {
        const char *what;
        QString path;
        std::function<void()> write;
    } cases[] = {
        {"the automatic-loading settings", ini, [&] { settings.write(ini); }},
        {"the watched file's time", ini,
         [&] { AutoLoadSettings::writeFileTime(ini, QStringLiteral("2026-01-10 10:00:00")); }},
        {"the goods text export", f.file(QStringLiteral("goods.txt")),
         [&] { exportGoodsText(f.goods(), f.file(QStringLiteral("goods.txt"))); }},
        {"the dBase export", f.file(QStringLiteral("goods.dbf")),
         [&] { exportGoodsDbf(f.goods(), f.file(QStringLiteral("goods.dbf")), f.file(QStringLiteral("template.dbf"))); }},
        {"the spreadsheet export", f.file(QStringLiteral("goods.xls")),
         [&] { exportGoodsXls(f.goods(), f.file(QStringLiteral("goods.xls"))); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        c.write(); // the old file, whole
        QFile old(c.path);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        const QByteArray before = old.readAll();
        old.close();
        ASSERT_GT(before.size(), 64);
        {
            FileSizeLimit limit(64);
            ASSERT_TRUE(limit.set());
            try {
                c.write();
                ADD_FAILURE() << "the write went past the limit";
            } catch (const Error &e) {
                EXPECT_FALSE(e.text().isEmpty());
            }
        }
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), before);
    }
    const AutoLoadSettings back = AutoLoadSettings::read(ini);
    EXPECT_EQ(back.FName, settings.FName);
    EXPECT_TRUE(back.EnableAutoLoad);
    EXPECT_TRUE(back.LoadToScale);
}

} // namespace
