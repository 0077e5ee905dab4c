#include "cli/batch_workers.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "engine/run/calculation_runner.h"
#include "engine/run/halt_watchdog.h"

namespace staffel::cli {

namespace {

// Lines read ahead: enough to keep every worker busy while another writes a large block (a
// growing output buffer is copied now and then), little enough memory.
constexpr std::size_t kVorlaufJeArbeiter = 1024;
constexpr std::size_t kVorlaufMindestens = 16384;
// Lines a worker takes at once: few trips through the lock, and at the end of a batch the
// others wait for no more than this many lines.
constexpr std::size_t kStueck = 32;
// Lines read in one go: reading holds up no one, but a worker that reads does not calculate.
constexpr std::size_t kLesen = 256;

// There is no reader thread: a worker that finds too few lines waiting reads the next ones
// itself, so that one worker costs the machine one core and two workers two.
class Stapel {
  public:
    Stapel(std::istream& ein, std::ostream& aus, const Optionen& optionen,
           const ZeileBeantworter& beantworten, unsigned arbeiter)
        : ein_(ein),
          aus_(aus),
          optionen_(optionen),
          beantworten_(beantworten),
          arbeiter_(arbeiter),
          grenze_(std::max(kVorlaufMindestens, kVorlaufJeArbeiter * arbeiter)),
          nachlesen_(kStueck * arbeiter) {}

    // The workers begin once every one of them runs, or end at once when not all could start.
    void freigeben(bool rechnen);
    void arbeiten();
    // From any thread: no more lines are read or taken, the running calculations are halted.
    void anhalten();
    bool ausgabeWeg() const { return ausgabeWeg_; }

  private:
    struct Zeile {
        std::string text;
        std::string antwort;
        bool fertig = false;
    };
    std::size_t wartend() const { return erste_ + fenster_.size() - vergeben_; }
    bool lesenMoeglich() const { return !leser_ && !eingabeEnde_ && fenster_.size() < grenze_; }
    bool lesen(std::unique_lock<std::mutex>& lock);
    void schreiben(std::unique_lock<std::mutex>& lock);

    std::istream& ein_;  // read only by the worker that holds leser_
    std::ostream& aus_;  // written only by the worker that holds schreibt_
    const Optionen& optionen_;
    const ZeileBeantworter& beantworten_;
    const std::size_t arbeiter_;
    const std::size_t grenze_;
    const std::size_t nachlesen_;  // read on when fewer lines than this wait

    std::mutex mutex_;
    std::condition_variable wecker_;
    std::vector<HaltWatchdog*> waechter_;  // of the workers that run, for a halt of the batch
    std::deque<Zeile> fenster_;            // read and not yet written, from line number erste_ on
    std::size_t erste_ = 0;
    std::size_t vergeben_ = 0;  // the number of the next line a worker takes
    unsigned schlaefer_ = 0;    // workers waiting for lines, for room or for the reader
    bool los_ = false;
    bool leser_ = false;
    bool eingabeEnde_ = false;
    bool ausgabeWeg_ = false;
    // Set under the lock; read without it between the lines of a worker's chunk.
    std::atomic<bool> angehalten_ = false;
    bool schreibt_ = false;  // one worker at a time writes, the others go on calculating
};

void Stapel::freigeben(bool rechnen) {
    {
        std::lock_guard lock(mutex_);
        los_ = true;
        eingabeEnde_ = !rechnen;
    }
    wecker_.notify_all();
}

void Stapel::anhalten() {
    std::lock_guard lock(mutex_);
    angehalten_ = true;
    for (HaltWatchdog* watchdog : waechter_) watchdog->haltAllesJetzt();
    wecker_.notify_all();
}

void Stapel::arbeiten() {
    // On this worker's own stack: the other workers' timers, armed and disarmed for every line
    // as well, share no cache line with it.
    HaltWatchdog watchdog;
    std::vector<std::string> texte;
    bool eingabeLeer = false;  // nothing could be read without waiting, since the last lines taken
    std::unique_lock lock(mutex_);
    waechter_.push_back(&watchdog);
    wecker_.wait(lock, [this] { return los_; });
    while (!ausgabeWeg_ && !angehalten_) {
        const bool nachlesen = wartend() == 0 || (wartend() < nachlesen_ && !eingabeLeer);
        if (nachlesen && lesenMoeglich()) {
            eingabeLeer = !lesen(lock);
            continue;
        }
        if (wartend() == 0) {
            if (eingabeEnde_ && !leser_) break;
            ++schlaefer_;
            wecker_.wait(lock);
            --schlaefer_;
            continue;
        }
        const std::size_t erste = vergeben_;
        const std::size_t anzahl = std::clamp<std::size_t>(wartend() / arbeiter_, 1, kStueck);
        vergeben_ += anzahl;
        eingabeLeer = false;
        for (std::size_t i = 0; i < anzahl; ++i) {
            texte.push_back(std::move(fenster_[erste - erste_ + i].text));
        }
        lock.unlock();
        // The answers of the lines taken together, in one block: the writer frees one string
        // that this worker allocated, not one per line. After a halt the lines not begun stay
        // unanswered, and the writing ends before the first of them.
        std::string antworten;
        std::size_t beantwortet = 0;
        while (beantwortet < anzahl && !angehalten_.load(std::memory_order_relaxed)) {
            antworten += beantworten_(texte[beantwortet++], optionen_, watchdog);
        }
        texte.clear();
        lock.lock();
        fenster_[erste - erste_].antwort = std::move(antworten);
        for (std::size_t i = 0; i < beantwortet; ++i) fenster_[erste - erste_ + i].fertig = true;
        if (erste == erste_ && !schreibt_) schreiben(lock);
    }
    std::erase(waechter_, &watchdog);
}

// Reads outside the lock, so that the others go on taking lines and writing answers. Only
// the first line may wait for input, and only when no read line waits: otherwise a caller
// that sends one line and waits for its answer would wait in vain. False when nothing was read.
bool Stapel::lesen(std::unique_lock<std::mutex>& lock) {
    leser_ = true;
    const bool warten = wartend() == 0;
    const std::size_t platz = std::min(grenze_ - fenster_.size(), kLesen);
    lock.unlock();
    std::vector<std::string> gelesen;
    std::string text;
    bool ende = false;
    while (gelesen.size() < platz &&
           ((warten && gelesen.empty()) || ein_.rdbuf()->in_avail() > 0)) {
        if (!std::getline(ein_, text)) {
            ende = true;
            break;
        }
        gelesen.push_back(std::move(text));
    }
    lock.lock();
    leser_ = false;
    eingabeEnde_ = ende;
    for (std::string& zeile : gelesen) fenster_.push_back({std::move(zeile), {}, false});
    if (schlaefer_ > 0) wecker_.notify_all();
    return !gelesen.empty();
}

// Writes the answers that are due, in order, outside the lock, and flushes once nothing more is
// due: a reader sees each answer as soon as the answers before it are written, however long a
// later line takes, and a long batch still leaves in blocks as large as the workers deliver.
void Stapel::schreiben(std::unique_lock<std::mutex>& lock) {
    schreibt_ = true;
    std::vector<std::string> faellig;  // moved out under the lock, copied to aus_ outside it
    bool geleert = true;
    while (!ausgabeWeg_) {
        const bool voll = fenster_.size() >= grenze_;
        while (!fenster_.empty() && fenster_.front().fertig) {
            if (!fenster_.front().antwort.empty()) {
                faellig.push_back(std::move(fenster_.front().antwort));
            }
            fenster_.pop_front();
            ++erste_;
        }
        if (voll && schlaefer_ > 0 && fenster_.size() < grenze_) wecker_.notify_all();
        const bool leeren = faellig.empty() && !geleert;
        if (faellig.empty() && !leeren) break;
        lock.unlock();
        if (leeren) {
            aus_.flush();
        } else {
            for (const std::string& antworten : faellig) aus_ << antworten;
            faellig.clear();
        }
        geleert = leeren;
        const bool ok = static_cast<bool>(aus_);
        lock.lock();
        if (!ok) {
            ausgabeWeg_ = true;
            wecker_.notify_all();
        }
    }
    schreibt_ = false;
}

}  // namespace

StapelEnde stapelRechnen(std::istream& ein, std::ostream& aus, const Optionen& optionen,
                         const ZeileBeantworter& beantworten, std::stop_token halt) {
    const unsigned arbeiter = optionen.jobs > 0
                                  ? optionen.jobs
                                  : std::clamp(std::thread::hardware_concurrency(), 1u, kMaxJobs);
    // Only the writing worker may touch aus: a stream tied to the input would be flushed by
    // the reading one.
    ein.tie(nullptr);
    Stapel stapel(ein, aus, optionen, beantworten, arbeiter);
    const std::stop_callback anhalten(halt, [&stapel] { stapel.anhalten(); });
    std::vector<std::unique_ptr<CalculationRunner>> runners;
    bool gestartet = true;
    for (unsigned i = 0; i < arbeiter && gestartet; ++i) {
        runners.push_back(std::make_unique<CalculationRunner>());
        gestartet = runners.back()->start([&stapel] { stapel.arbeiten(); });
    }
    stapel.freigeben(gestartet);
    for (auto& runner : runners) runner->join();
    if (!gestartet) return StapelEnde::NichtGestartet;
    aus.flush();
    if (halt.stop_requested()) return StapelEnde::Angehalten;
    if (stapel.ausgabeWeg() || !aus) return StapelEnde::AusgabeWeg;
    return ein.bad() ? StapelEnde::EingabeFehler : StapelEnde::Fertig;
}

}  // namespace staffel::cli
