// Opening web pages for the window without making it wait. The opener
// (xdg-open may take seconds while a browser starts) runs on a thread of
// its own; its outcome comes back to the window's thread, which reports a
// failure with the message OpenWebPage shows. Meanwhile the window goes on
// handling its events.
#pragma once

#include <QObject>

#include <cstdint>
#include <map>
#include <string>
#include <thread>

namespace kalvest {

class WebPageLauncher : public QObject {
    Q_OBJECT

public:
    explicit WebPageLauncher(QObject* parent = nullptr);
    // Ends the platform opener's wait for a verdict and waits for the
    // openers still running; their outcomes are no longer reported.
    ~WebPageLauncher() override;

    // Opens `address` as OpenWebPage does, with the opener installed now,
    // and returns at once.
    void Open(const std::string& address);

    // Openers whose outcome has not been reported yet.
    std::size_t Pending() const { return workers_.size(); }

signals:
    // An opener's result, once it has been reported.
    void Reported(std::int32_t code);

private:
    void Report(int worker, std::int32_t code, const std::string& extension);

    std::map<int, std::jthread> workers_;
    int next_worker_ = 0;
};

}  // namespace kalvest
