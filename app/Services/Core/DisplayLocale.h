#pragma once
// Numbers as the chosen language writes them ("3.191" and "617,47 MB" in
// German): the language the user picked, not the system's. Safe on any
// thread; QLocale::setDefault is not, and workers format counts and sizes.
#include <QLocale>
#include <QString>

// English (United States) until a language is chosen.
QLocale displayLocale();
// A language code of LanguageSettings (0 English ... 12 Vietnamese).
void setDisplayLanguage(int code);
// Moves on with every change, so a thread's copy of the locale can be renewed.
int displayLocaleGeneration();
// A count with the language's group separators.
QString formatCount(qulonglong count);
