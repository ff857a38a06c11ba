// The voice of the desktop's speech service, through Qt TextToSpeech and speech-dispatcher. It
// is a module of its own, loaded only when reading aloud is switched on: the game itself links
// nothing of speech, so a missing or slow speech service cannot hold up its start.
#include "seams/sprecher.h"

#include <QLocale>
#include <QTextToSpeech>
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
    std::optional<vun::Sprachhindernis> hindernis() override {
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd")))
            return vun::Sprachhindernis{QStringLiteral("Qt findet keinen Sprachdienst"),
                                        QStringLiteral("qt6-speech-speechd-plugin")};
        if (!stimme_)
            stimme_ = std::make_unique<QTextToSpeech>(QStringLiteral("speechd"));
        if (stimme_->state() == QTextToSpeech::Error) {
            stimme_.reset();
            return vun::Sprachhindernis{QStringLiteral("der Sprachdienst antwortet nicht"),
                                        QStringLiteral("speech-dispatcher")};
        }
        if (!deutschWaehlen())
            return vun::Sprachhindernis{QStringLiteral("es gibt keine deutsche Stimme"),
                                        QStringLiteral("speech-dispatcher-espeak-ng")};
        stimme_->setRate(Tempo);
        return std::nullopt;
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
        return !stimme_->availableVoices().isEmpty();
    }

    std::unique_ptr<QTextToSpeech> stimme_;
};

} // namespace

extern "C" Q_DECL_EXPORT vun::Sprecher* vun_sprecher_erzeugen() {
    return new QtSprecher;
}
