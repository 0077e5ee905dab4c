#include "cli/batch_workers.h"

#include <condition_variable>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "engine/calculation_runner.h"

namespace staffel::cli {

namespace {

// Lines read ahead per worker: enough to keep every worker busy, little enough memory.
constexpr std::size_t kVorlaufJeArbeiter = 1024;

class Stapel {
  public:
    Stapel(std::istream& ein, std::ostream& aus, const Optionen& optionen, unsigned arbeiter)
        : ein_(ein), aus_(aus), optionen_(optionen), grenze_(kVorlaufJeArbeiter * arbeiter) {}

    void lesen();
    void arbeiten();
    void eingabeBeenden();
    bool ausgabeWeg() const { return ausgabeWeg_; }

  private:
    struct Zeile {
        std::string text;
        std::string antwort;
        bool fertig = false;
    };
    bool zeileWartet() const { return vergeben_ < erste_ + fenster_.size(); }
    void schreiben(std::unique_lock<std::mutex>& lock);

    std::istream& ein_;
    std::ostream& aus_;
    const Optionen& optionen_;
    const std::size_t grenze_;

    std::mutex mutex_;
    std::condition_variable arbeitDa_;
    std::condition_variable platzDa_;
    std::deque<Zeile> fenster_;  // read and not yet written, from line number erste_ on
    std::size_t erste_ = 0;
    std::size_t vergeben_ = 0;  // the number of the next line a worker takes
    bool eingabeEnde_ = false;
    bool ausgabeWeg_ = false;
    bool schreibt_ = false;  // one worker at a time writes, the others go on calculating
    bool leserWartet_ = false;
};

void Stapel::lesen() {
    std::string text;
    while (std::getline(ein_, text)) {
        std::unique_lock lock(mutex_);
        if (fenster_.size() >= grenze_) {
            // Refilled only from half empty, so a full window costs no thread switch per line.
            leserWartet_ = true;
            platzDa_.wait(lock, [this] { return fenster_.size() <= grenze_ / 2 || ausgabeWeg_; });
            leserWartet_ = false;
        }
        if (ausgabeWeg_) return;
        fenster_.push_back({std::move(text), {}, false});
        lock.unlock();
        arbeitDa_.notify_one();
    }
}

void Stapel::eingabeBeenden() {
    {
        std::lock_guard lock(mutex_);
        eingabeEnde_ = true;
    }
    arbeitDa_.notify_all();
}

void Stapel::arbeiten() {
    HaltWatchdog watchdog;
    std::unique_lock lock(mutex_);
    while (true) {
        arbeitDa_.wait(lock, [this] { return zeileWartet() || eingabeEnde_ || ausgabeWeg_; });
        if (ausgabeWeg_ || !zeileWartet()) return;
        const std::size_t nummer = vergeben_++;
        const std::string text = std::move(fenster_[nummer - erste_].text);
        lock.unlock();
        std::string antwort = zeileBeantworten(text, optionen_, watchdog);
        lock.lock();
        Zeile& zeile = fenster_[nummer - erste_];
        zeile.antwort = std::move(antwort);
        zeile.fertig = true;
        if (nummer == erste_ && !schreibt_) schreiben(lock);
    }
}

// Writes the answers that are due, in order, outside the lock. The output is flushed only when
// no line waits for a worker: a caller who sends one line at a time gets each answer at once,
// and a long batch is written in large blocks.
void Stapel::schreiben(std::unique_lock<std::mutex>& lock) {
    schreibt_ = true;
    std::string block;
    bool geleert = true;
    while (!ausgabeWeg_) {
        while (!fenster_.empty() && fenster_.front().fertig) {
            block += fenster_.front().antwort;
            fenster_.pop_front();
            ++erste_;
        }
        if (leserWartet_ && fenster_.size() <= grenze_ / 2) platzDa_.notify_one();
        const bool leeren = block.empty() && !geleert && !zeileWartet();
        if (block.empty() && !leeren) break;
        lock.unlock();
        if (leeren) {
            aus_.flush();
        } else {
            aus_ << block;
            block.clear();
        }
        geleert = leeren;
        const bool ok = static_cast<bool>(aus_);
        lock.lock();
        if (!ok) {
            ausgabeWeg_ = true;
            arbeitDa_.notify_all();
            platzDa_.notify_all();
        }
    }
    schreibt_ = false;
}

}  // namespace

StapelEnde stapelRechnen(std::istream& ein, std::ostream& aus, const Optionen& optionen) {
    const unsigned arbeiter =
        optionen.jobs > 0 ? optionen.jobs : std::max(1u, std::thread::hardware_concurrency());
    // Only the workers write: a stream tied to the input would be flushed by the reader.
    ein.tie(nullptr);
    Stapel stapel(ein, aus, optionen, arbeiter);
    std::vector<std::unique_ptr<CalculationRunner>> runners;
    bool gestartet = true;
    for (unsigned i = 0; i < arbeiter && gestartet; ++i) {
        runners.push_back(std::make_unique<CalculationRunner>());
        gestartet = runners.back()->start([&stapel] { stapel.arbeiten(); });
    }
    if (gestartet) stapel.lesen();
    stapel.eingabeBeenden();
    for (auto& runner : runners) runner->join();
    if (!gestartet) return StapelEnde::NichtGestartet;
    aus.flush();
    return stapel.ausgabeWeg() || !aus ? StapelEnde::AusgabeWeg : StapelEnde::Fertig;
}

}  // namespace staffel::cli
