#pragma once
// The one crossing between Qt's text and the Windows-1252 names of the model.
#include <QString>
#include <QValidator>

#include <string>

class QLineEdit;

// Windows-1252 bytes to QString.
QString VersQt(const std::string& Ansi);
// QString to Windows-1252 bytes; characters Windows-1252 cannot hold become '?'.
std::string VersAnsi(const QString& Texte);

// A count of quarter-hours as HHhMM. Counts above 63h45 keep their real hours instead of
// wrapping round as a time of day would.
QString TexteQuarts(unsigned Quarts);

// What a name box keeps of a text: the characters Windows-1252 can hold (no control
// characters), at most LongueurMax of them; past the limit, the characters just before the
// cursor go, as they are the ones just typed or pasted. Position follows the cursor; Retires
// gets each character taken out (once), Coupes the count cut at the limit.
QString GarderAnsi(const QString& Texte, int& Position, QString& Retires, int& Coupes);
// What the user is told of those: in French, naming the characters.
QString AvisRetraits(const QString& Retires, int Coupes);

// Acceptable when GarderAnsi keeps the text whole; Intermediate otherwise, so that a
// name loaded with a character it could not keep still shows as it is.
class TValidateurAnsi : public QValidator {
    Q_OBJECT
public:
    static constexpr int LongueurMax = 255;
    explicit TValidateurAnsi(QObject* Parent = nullptr) : QValidator(Parent) {}
    State validate(QString& Texte, int& Position) const override;
};

// A box of names: what the user types or pastes keeps what GarderAnsi keeps, and the box's
// tooltip says at once what was taken out.
void LimiterAnsi(QLineEdit& Ligne);
