#include "DisplayLocale.h"

#include <atomic>
#include <iterator>
#include <mutex>

namespace {

// In the order of LanguageSettings' codes.
const char* const LocaleNames[] = {"en_US", "zh_CN", "zh_TW", "it_IT", "de_DE", "fr_FR", "es_ES",
                                   "pt_PT", "ja_JP", "ru_RU", "id_ID", "ko_KR", "vi_VN"};

struct State {
    std::mutex mutex;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    std::atomic<int> generation{0};
};

// Never destroyed: a worker may still format while the process exits.
State& state()
{
    static State* instance = new State;
    return *instance;
}

}  // namespace

QLocale displayLocale()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.locale;
}

void setDisplayLanguage(int code)
{
    if (code < 0 || code >= int(std::size(LocaleNames)))
        code = 0;
    State& s = state();
    {
        std::lock_guard lock(s.mutex);
        s.locale = QLocale(QLatin1String(LocaleNames[code]));
    }
    s.generation.fetch_add(1);
}

int displayLocaleGeneration()
{
    return state().generation.load();
}

QString formatCount(qulonglong count)
{
    return displayLocale().toString(count);
}
