#include "shell/session/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "shell/session/settings.h"
#include "text/translation.h"

namespace {

constexpr LanguageName kLanguages[] = {
    {Language::English, "en", "English"},
    {Language::Japanese, "ja", "日本語"},
};

Language current = Language::English;
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> toolkitTranslator;

std::string translateForCore(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

void remove(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTranslator* install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

class LanguageFollower : public QObject {
public:
    LanguageFollower(QObject& watched, std::function<void()> retranslate)
        : QObject(&watched)
        , retranslate_(std::move(retranslate))
    {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> retranslate_;
};

}  // namespace

void followLanguage(QObject& watched, std::function<void()> retranslate)
{
    new LanguageFollower(watched, std::move(retranslate));
}

std::span<const LanguageName> languages()
{
    return kLanguages;
}

const char* languageCode(Language language)
{
    for (const LanguageName& known : kLanguages)
        if (known.language == language)
            return known.code;
    return "en";
}

Language languageFromCode(std::string_view code)
{
    for (const LanguageName& known : kLanguages)
        if (code == known.code)
            return known.language;
    return Language::English;
}

Language systemLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        // "ja_JP.UTF-8", "ja", "ja_JP@something": the language is what comes before the
        // territory, the encoding and the modifier.
        const std::string setting = value.toStdString();
        return languageFromCode(setting.substr(0, setting.find_first_of("_.@")));
    }
    return Language::English;
}

Language preferredLanguage()
{
    const std::string chosen = savedLanguage();
    return chosen.empty() ? systemLanguage() : languageFromCode(chosen);
}

void useLanguage(Language language)
{
    setTranslator(translateForCore);
    if (language == current && (language == Language::English || programTranslator))
        return;
    remove(programTranslator);
    remove(toolkitTranslator);
    current = language;
    if (language == Language::English)
        return;
    const QString code = languageCode(language);
    programTranslator = install("quarrix-editor_" + code, ":/i18n");
    toolkitTranslator = install("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language currentLanguage()
{
    return current;
}

void chooseLanguage(Language language)
{
    useLanguage(language);
    saveLanguage(languageCode(language));
}

Language nextLanguage()
{
    const auto known = languages();
    for (std::size_t index = 0; index < known.size(); ++index)
        if (known[index].language == current)
            return known[(index + 1) % known.size()].language;
    return Language::English;
}
