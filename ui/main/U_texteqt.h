#pragma once
// The one crossing between Qt's text and the Windows-1252 names of the model.
#include <QString>
#include <QValidator>

#include <string>

// Windows-1252 bytes to QString.
QString VersQt(const std::string& Ansi);
// QString to Windows-1252 bytes; characters Windows-1252 cannot hold become '?'.
std::string VersAnsi(const QString& Texte);

// For the input boxes of names: only characters Windows-1252 can hold, at most 255.
class TValidateurAnsi : public QValidator {
    Q_OBJECT
public:
    static constexpr int LongueurMax = 255;
    explicit TValidateurAnsi(QObject* Parent = nullptr) : QValidator(Parent) {}
    State validate(QString& Texte, int& Position) const override;
};
