#pragma once
// The exchange's forms: the FET settings asked before reading, the report after, and the
// period a publication's calendars cover.
#include "exchange/U_calendrier.h"
#include "exchange/U_importfet.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TFreglagesfet;
class TFrapportimport;
class TFpublication;
} // namespace Ui

// How long a FET hour lasts and when the first one starts.
class TFreglagesfet : public QDialog {
    Q_OBJECT
public:
    explicit TFreglagesfet(QWidget* Proprietaire);
    ~TFreglagesfet() override;
    TReglagesFet Reglages() const;

private:
    std::unique_ptr<Ui::TFreglagesfet> ui;
};

// The last line of the import, then every case reported, one a line.
class TFrapportimport : public QDialog {
    Q_OBJECT
public:
    TFrapportimport(QWidget* Proprietaire, const std::string& Bilan,
                    const std::vector<std::string>& Cas);
    ~TFrapportimport() override;

private:
    std::unique_ptr<Ui::TFrapportimport> ui;
};

// The first and last days of the calendars, the school year that holds today at first. A
// period that ends before it begins is refused, and the form stays open.
class TFpublication : public QDialog {
    Q_OBJECT
public:
    explicit TFpublication(QWidget* Proprietaire);
    ~TFpublication() override;
    TPeriode Periode() const;
    void accept() override;

private:
    std::unique_ptr<Ui::TFpublication> ui;
};
