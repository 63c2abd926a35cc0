#pragma once
// The import's two forms: the FET settings asked before reading, and the report after.
#include "exchange/U_importfet.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TFreglagesfet;
class TFrapportimport;
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
