#include "main_window/web_page_launcher.h"

#include <QMetaObject>

#include <utility>

#if defined(_WIN32)
#include <objbase.h>
#endif

#include "common/weblink.h"

namespace kalvest {

WebPageLauncher::WebPageLauncher(QObject* parent) : QObject(parent) {}

WebPageLauncher::~WebPageLauncher() {
    for (auto& [id, worker] : workers_) worker.request_stop();
    workers_.clear();  // joins
}

void WebPageLauncher::Open(const std::string& address) {
    const WebPageRequest request = PrepareWebPage(address);
    const int id = next_worker_++;
    // The opener is taken here, on the window's thread, where it is
    // installed and replaced.
    workers_.emplace(id, std::jthread([this, id, request, opener = InstalledWebPageOpener()](
                                          std::stop_token stop) {
#if defined(_WIN32)
        // The shell may hand the address to COM objects, which want the
        // thread set up for them.
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
#endif
        const std::int32_t code = RunWebPageOpener(opener, request.address, stop);
#if defined(_WIN32)
        if (SUCCEEDED(com)) CoUninitialize();
#endif
        // Runs on the window's thread; dropped if the launcher is gone.
        QMetaObject::invokeMethod(
            this, [this, id, code, extension = request.extension] { Report(id, code, extension); },
            Qt::QueuedConnection);
    }));
}

void WebPageLauncher::Report(int worker, std::int32_t code, const std::string& extension) {
    workers_.erase(worker);  // it has nothing left to do but end
    ReportWebPageResult(code, extension);
    emit Reported(code);
}

}  // namespace kalvest
