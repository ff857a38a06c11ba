// The voice of the desktop's speech service, through Qt TextToSpeech and speech-dispatcher. It
// is a module of its own, loaded only when reading aloud is switched on: the game itself links
// nothing of speech, so a missing or slow speech service cannot hold up its start.
#include "seams/sprecher.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <memory>

namespace {

// Children follow a voice a little slower than the service's own pace.
constexpr double Tempo = -0.2;

bool deutsch(const QLocale& sprache) {
    return sprache.language() == QLocale::German;
}

class QtSprecher : public vun::Sprecher {
public:
    ~QtSprecher() override {
        // Quitting while the service is being reached waits for it; nothing else does.
        if (faden_)
            faden_->wait();
        delete gemacht_; // made, but its answer not yet taken
    }

    // Reaching speech-dispatcher and listing its voices takes Qt seconds: it happens on a
    // thread of its own, and the voice moves to the program's thread when it is made.
    void vorbereiten(Bereit bereit) override {
        if (stimme_) {
            bereit(pruefen());
            return;
        }
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd"))) {
            bereit(vun::Sprachhindernis::KeinSprachdienst);
            return;
        }
        QThread* hier = QThread::currentThread();
        faden_.reset(QThread::create([this, hier] {
            gemacht_ = new QTextToSpeech(QStringLiteral("speechd"));
            gemacht_->moveToThread(hier);
        }));
        QObject::connect(faden_.get(), &QThread::finished, &anker_,
                         [this, bereit = std::move(bereit)] {
                             stimme_.reset(gemacht_);
                             gemacht_ = nullptr;
                             bereit(pruefen());
                         });
        faden_->start();
    }

    void sprechen(const QString& text) override {
        if (!stimme_)
            return;
        stimme_->stop();
        stimme_->say(text);
    }

    void verstummen() override {
        if (stimme_)
            stimme_->stop();
    }

private:
    std::optional<vun::Sprachhindernis> pruefen() {
        if (stimme_->state() == QTextToSpeech::Error)
            return vun::Sprachhindernis::DienstAntwortetNicht;
        if (!deutschWaehlen())
            return vun::Sprachhindernis::KeineDeutscheStimme;
        stimme_->setRate(Tempo);
        return std::nullopt;
    }

    // A voice the user chose in the service's settings stays where it speaks German; else the
    // service's voice for German.
    bool deutschWaehlen() {
        if (deutsch(stimme_->locale()) && deutsch(stimme_->voice().locale()))
            return true;
        const QList<QLocale> sprachen = stimme_->availableLocales();
        const auto sprache = std::find_if(sprachen.begin(), sprachen.end(), deutsch);
        if (sprache == sprachen.end())
            return false;
        stimme_->setLocale(*sprache);
        return deutsch(stimme_->voice().locale());
    }

    QObject anker_; // receives the thread's end on the program's thread
    std::unique_ptr<QThread> faden_;
    QTextToSpeech* gemacht_ = nullptr;
    std::unique_ptr<QTextToSpeech> stimme_;
};

} // namespace

extern "C" Q_DECL_EXPORT vun::Sprecher* vun_sprecher_erzeugen() {
    return new QtSprecher;
}
