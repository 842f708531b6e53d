#include "present/window/recording_observer.h"

namespace korvel {

namespace {

RecordingObserver* g_observer = nullptr;

}  // namespace

void INSTALL_OBSERVER(RecordingObserver* observer) { g_observer = observer; }

RecordingObserver* OBSERVER() { return g_observer; }

void TELL_FILE_CREATED(const std::string& name) {
    if (g_observer != nullptr) g_observer->fileCreated(name);
}

void TELL_FILE_DELETED(const std::string& name) {
    if (g_observer != nullptr) g_observer->fileDeleted(name);
}

void TELL_TABLE_START() {
    if (g_observer != nullptr) g_observer->tableStart();
}

void TELL_TABLE_PAGE(const TABLE_PAGE* page) {
    if (g_observer != nullptr) g_observer->tablePage(page);
}

void TELL_GRAPH_PAGE(const GRAPH_PAGE* page) {
    if (g_observer != nullptr) g_observer->graphPage(page);
}

}  // namespace korvel
