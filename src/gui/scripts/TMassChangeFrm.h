#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

// "Mass Change In All Scripts": a From text (typed or chosen) and a To variable.
class TMassChangeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TMassChangeFrm(QWidget* parent = nullptr);

    // Runs while the dialog is still open with its wait panel shown, for a confirmed
    // "Replace" only.
    std::function<void(const QString& from, const QString& to)> onReplace;

    QString fromText() const;
    QString toText() const;
    bool isConfirmed() const { return m_confirmed; }

public Q_SLOTS:
    void ReplaceBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_from;
    QComboBox* m_to;
    QPushButton* m_replace;
    QPushButton* m_cancel;
    QLabel* m_panel;
    bool m_confirmed = false;
};
