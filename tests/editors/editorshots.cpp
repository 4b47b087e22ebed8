// Saves a picture of each editor, to look at the layout without a display:
//   QT_QPA_PLATFORM=offscreen editorshots OUTDIR
#include "fakedocumenthost.h"
#include "tcall.h"
#include "tdtmf.h"
#include "tmemory.h"
#include "tvfo.h"

#include <QApplication>
#include <QDir>

namespace {

void Shoot(QDialog& dialog, const QString& path)
{
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(path);
    dialog.hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    FakeDocumentHost host;
    host.doc.StoreRadioType("0,3,00,1,1,1,1");
    host.doc.ClearDocument();
    host.doc.StoreMemory(12, "012,00145500000,3,2,0,1,0,,12,,09,000600000,1,,,,,RPT1");
    host.doc.StoreMemory(13, "013,00435000000,6,0,0,0,1,,09,,14,005000000,0,,00145000000,3,,SAT");
    host.doc.StoreDtmf(3, "03,123A#");
    host.rows[1] = 13;
    host.rows[4] = 4;
    TMemory memory(host);
    Shoot(memory, out.filePath(QStringLiteral("memory.png")));
    host.rows[1] = 14;
    Shoot(memory, out.filePath(QStringLiteral("memory-split.png")));
    TVFO vfo(host);
    host.rows[2] = 2;
    Shoot(vfo, out.filePath(QStringLiteral("vfo.png")));
    TCALL call(host);
    Shoot(call, out.filePath(QStringLiteral("call.png")));
    TDTMF dtmf(host);
    Shoot(dtmf, out.filePath(QStringLiteral("dtmf.png")));
    return 0;
}
