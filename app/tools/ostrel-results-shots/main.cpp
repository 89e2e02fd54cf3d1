// ostrel-results-shots --out DIR: one PNG per results-browser view and state,
// over a small found-file tree fed through the model's intake.
#include "Application/XApplication.h"
#include "DocumentManager.h"
#include "CheckableHeaderView.h"
#include "FileBrowserDelegate.h"
#include "FileBrowserModel.h"
#include "FileBrowserProxyModel.h"
#include "FileBrowserView.h"
#include "FileSystemPathNavigato.h"
#include "FileSystemPathTreeView.h"
#include "ImageResources.h"
#include "LostTipWidget.h"
#include "QDiskAndVolumeInfo.h"
#include "RecoverFileInfoPanel.h"
#include "RecoveryStateIndicator.h"
#include "BreadcrumbView.h"
#include "SearchConfig.h"
#include "SearchDataPanel.h"
#include "SearchDataPanelMgr.h"
#include "SearchGuideDialog.h"
#include "DataRecoveryDialog.h"
#include "DataReleaseWaitDialog.h"
#include "MemoryWarningDialog.h"
#include "RecoveryCompleteDialog.h"
#include "ScanCompleteDialog.h"
#include "XTreeView.h"

#include "NameTable.h"

#include "DataRecovery/DataRecoveryInfo.h"

#include "ShotRun.h"
#include "ShotWriter.h"

#include <QListView>
#include <QVBoxLayout>

#include <string>

namespace {

void send(DocumentManager& manager, const std::string& path, bool deleted = false)
{
    static const DataRun run{4096, 4096};
    QDiskAndVolumeInfo volume;
    volume.displayName = QStringLiteral("Data (sdb1)");
    volume.volumeLetter = QStringLiteral("/media/data");
    volume.volumePath = QStringLiteral("/dev/sdb1");
    DataRecoveryInfo info = MakeDataRecoveryInfo(NtfsFile);
    info.fileSize = 123456;
    info.modifyTime = 1600000000;
    info.runs = &run;
    info.runCount = 1;
    info.path = path.c_str();
    info.pathLength = uint16_t(path.size());
    info.deletedState = deleted ? 1 : 0;
    manager.onEngineEvent(volume, info);
}

bool save(ShotWriter& shots, QWidget& widget, const QString& name)
{
    widget.show();
    settleFor(100);
    return shots.save(widget.grab(), name);
}

} // namespace

int main(int argc, char** argv)
{
    XApplication app(argc, argv);
    initImageResources();
    fillNameTable();
    const QString folder = shotsFolder(app, "Screenshots of the results-browser views",
                                       "Write one PNG per view and state into <folder>.");
    if (folder.isEmpty())
        return 1;
    ShotWriter shots(folder);

    DocumentManager manager;
    ScanTargetInfo target;
    target.nodeTypeCode = 3;
    target.name = QStringLiteral("Data (sdb1)");
    manager.resetForScan(target);
    for (const char* path : {"\\Users\\ann\\Pictures\\holiday 2.jpg", "\\Users\\ann\\Pictures\\holiday 10.jpg",
                             "\\Users\\ann\\Documents\\report.docx", "\\Users\\ann\\Documents\\<b>x<b> & y.pdf",
                             "\\Users\\bo\\Music\\song.mp3", "\\Program Files\\app\\setup.exe",
                             "\\Users\\ann\\Documents\\a very long file name that does not fit the column at all.txt"})
        send(manager, path);
    send(manager, "\\Users\\ann\\Videos\\clip.mp4", true);
    manager.waitForIdle(20000);

    bool ok = true;
    {
        FileSystemPathNavigato navigator(&manager);
        navigator.resize(300, 520);
        navigator.tree()->treeView()->expandAll();
        navigator.selectPath(QStringLiteral("sdb1/Users/ann/Documents"), false);
        ok &= save(shots, navigator, QStringLiteral("tree-folders"));
        navigator.setViewMode(2);
        navigator.tree()->treeView()->expandAll();
        ok &= save(shots, navigator, QStringLiteral("tree-types"));
    }
    {
        QListView list;
        list.resize(760, 420);
        FileBrowserModel model(&list);
        FileBrowserProxyModel proxy(&list);
        proxy.setSourceModel(&model);
        list.setModel(&proxy);
        list.setItemDelegate(new FileBrowserDelegate(&list));
        list.setUniformItemSizes(true);
        QVector<DocumentInfo*> docs = manager.allFileRecords();
        model.setDocuments(docs);
        ok &= save(shots, list, QStringLiteral("list-plain"));
        CheckableHeaderView header(Qt::Horizontal);
        header.setModel(&model);
        header.resize(760, 40);
        header.setSectionResizeMode(0, QHeaderView::Stretch);
        for (int section = 1; section < 5; ++section)
            header.resizeSection(section, section == 1 ? 143 : section == 2 ? 113 : 91);
        header.setCheckState(1);
        ok &= save(shots, header, QStringLiteral("header"));
        model.setSearchKeyword(QStringLiteral("holiday"));
        model.setViewDisplayMode(4);
        list.viewport()->update();
        ok &= save(shots, list, QStringLiteral("list-search"));
        model.setViewDisplayMode(1);
        list.setViewMode(QListView::IconMode);
        list.setSpacing(10);
        model.setSearchKeyword(QString());
        ok &= save(shots, list, QStringLiteral("list-icons"));
    }
    {
        FileBrowserView view(&manager);
        view.resize(1100, 560);
        ok &= save(shots, view, QStringLiteral("browser-scanning"));
        QVector<DocumentInfo*> docs = manager.allFileRecords();
        view.setCurrentPath(QStringLiteral("sdb1/Users/ann/Documents"));
        view.setDocuments(docs, QVariant::fromValue(docs.value(2)));
        view.updateHeaderCheckState();
        ok &= save(shots, view, QStringLiteral("browser-list"));
        view.setIconMode(true);
        ok &= save(shots, view, QStringLiteral("browser-icons"));
        view.setIconMode(false);
        view.setViewDisplayMode(4);
        view.setSearchKeyword(QStringLiteral("o"));
        view.setDocuments(docs);
        ok &= save(shots, view, QStringLiteral("browser-search"));
        view.setDocuments({});
        ok &= save(shots, view, QStringLiteral("browser-no-search-result"));
    }
    for (int state = 0; state <= 5; ++state) {
        RecoveryStateIndicator indicator;
        indicator.resize(640, 360);
        indicator.setState(state);
        ok &= save(shots, indicator, QStringLiteral("indicator-%1").arg(state));
    }
    for (const auto& kind : {qMakePair(17, QStringLiteral("names")), qMakePair(6, QStringLiteral("lost")),
                             qMakePair(9, QStringLiteral("unmounted")), qMakePair(11, QStringLiteral("unallocated"))}) {
        QWidget holder;
        holder.resize(640, 120);
        auto* tip = new LostTipWidget(&holder);
        tip->setKind(quint8(kind.first));
        tip->setGeometry(0, 0, 640, tip->heightForWidth(640));
        ok &= save(shots, holder, QStringLiteral("tip-%1").arg(kind.second));
    }
    {
        QWidget holder;
        holder.resize(320, 160);
        auto* tip = new LostTipWidget(&holder);
        tip->setKind(17);
        tip->setGeometry(0, 0, 320, tip->heightForWidth(320));
        holder.resize(320, tip->height());
        ok &= save(shots, holder, QStringLiteral("tip-narrow"));
    }
    {
        RecoverFileInfoPanel panel;
        panel.resize(230, 520);
        for (DocumentInfo* doc : manager.allFileRecords()) {
            if (DocumentInfo::fileName(doc).startsWith(QLatin1String("<b>")))
                panel.setDocument(QVariant::fromValue(doc));
        }
        ok &= save(shots, panel, QStringLiteral("info-panel"));
        panel.setDocument(QVariant());
        ok &= save(shots, panel, QStringLiteral("info-panel-empty"));
    }
    {
        QWidget holder;
        auto* holderLayout = new QVBoxLayout(&holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        auto* panel = new SearchDataPanel(&holder);
        holderLayout->addWidget(panel);
        holder.resize(1200, 66);
        SearchConfig location;
        location.icon = QPixmap(QStringLiteral(":/images/local_disk@2x.png"));
        location.pathParts = QStringList{QStringLiteral("Data (sdb1)"), QStringLiteral("Users"), QStringLiteral("ann"),
                                         QStringLiteral("Documents")};
        location.text = QStringLiteral("sdb1/Users/ann/Documents");
        SearchDataPanelMgr::instance()->setBreadcrumbPath(QVariant::fromValue(location));
        ok &= save(shots, holder, QStringLiteral("search-panel"));
        SearchConfig search;
        search.kind = 4;
        search.matchCount = 12345;
        search.totalBytes = 987654321;
        SearchDataPanelMgr::instance()->setBreadcrumbPath(QVariant::fromValue(search));
        ok &= save(shots, holder, QStringLiteral("search-panel-search"));
        BreadcrumbView crumbs;
        crumbs.resize(300, 32);
        crumbs.show();
        crumbs.setPath({QStringLiteral("Data (sdb1)"), QStringLiteral("Users"), QStringLiteral("ann"),
                        QStringLiteral("Pictures"), QStringLiteral("Holidays 2023")});
        ok &= save(shots, crumbs, QStringLiteral("breadcrumb-elided"));
    }
    {
        SearchGuideDialog guide;
        ok &= save(shots, guide, QStringLiteral("search-guide"));
    }
    {
        // The export's and the scan's dialogs; names and labels from disks hold markup.
        DataRecoveryDialog progress;
        progress.show();
        progress.setCurrentFile(QStringLiteral("sdb1/DCIM/Trip/<b>x</b> & y.jpg"), 3, 12);
        progress.setProgress(37);
        ok &= save(shots, progress, QStringLiteral("export-progress"));
        DataReleaseWaitDialog release;
        ok &= save(shots, release, QStringLiteral("release-wait"));
        MemoryWarningDialog memory;
        memory.updateUsage(0, 7730941133LL, 8589934592LL, 90.0);
        ok &= save(shots, memory, QStringLiteral("memory-warning"));
        const QList<QPair<RecoveryCompleteDialog::Outcome, QString>> outcomes{
            {RecoveryCompleteDialog::Succeeded, QString()},
            {RecoveryCompleteDialog::Stopped, QString()},
            {RecoveryCompleteDialog::Incomplete, QStringLiteral("<i>L</i> (sdb1), Data (sdc1)")}};
        for (const auto& [outcome, disks] : outcomes) {
            RecoveryCompleteDialog complete(disks, nullptr, outcome);
            ok &= save(shots, complete, QStringLiteral("recovery-complete-%1").arg(int(outcome)));
        }
        RecoveryCompleteDialog incompleteFiles(QString(), nullptr, RecoveryCompleteDialog::Incomplete, 1234);
        ok &= save(shots, incompleteFiles, QStringLiteral("recovery-complete-incomplete-files"));
        ScanCompleteDialog scanned(3221225472ULL, 12345, QString());
        ok &= save(shots, scanned, QStringLiteral("scan-complete"));
        ScanCompleteDialog scannedLost(3221225472ULL, 12345, QStringLiteral("<i>L</i> (sdb1), Data (sdc1)"));
        ok &= save(shots, scannedLost, QStringLiteral("scan-complete-disks"));
    }
    manager.shutdown();
    return ok && shots.written() > 0 ? 0 : 1;
}
