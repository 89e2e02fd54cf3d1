#include "ThumbnailSeams.h"

#include "Application/XApplication.h"
#include "MainWindow/QuitSequence.h"
#include "StorageDataRecoverMgr.h"
#include "ThumbnailCacheEngine.h"

using NomoThumbCache::ThumbnailCacheEngine;

void connectThumbnailsToShell()
{
    ThumbnailCacheEngine* engine = ThumbnailCacheEngine::instance();
    if (XApplication* app = XApplication::instance())
        engine->setScale(app->scaleX, app->scaleY);
    // Runs on the release's pool thread; clearCache returns once the read in flight is over.
    StorageDataRecoverMgr::instance()->setThumbnailClearer([engine] {
        engine->clearTasks();
        engine->clearCache();
    });
    QuitSequence::addHook(QuitSequence::Stage::ShutDownThumbnails, [engine] { engine->shutdown(); });
}
