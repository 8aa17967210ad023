#pragma once
// The tip-of-the-day window: a random line of TIPOFDAY.TXT, with "Next Tip" and "Always show".

#include <QDialog>
#include <QRandomGenerator>
#include <QStringList>
#include <optional>

class QCheckBox;
class QLabel;

namespace ts {

class FrmTip : public QDialog {
    Q_OBJECT
public:
    explicit FrmTip(QWidget *parent = nullptr);
    bool LoadTips(const QString &path);
    void DisplayCurrentTip();
    const QStringList &tips() const { return m_tips; }
    int currentTip() const { return m_currentTip; }

    // The seed of the random choice of tips; without one, every load seeds it from the clock.
    static void setSeed(std::optional<quint32> seed);

private:
    void nextRandomTip();
    void Form_Load();

    QStringList m_tips;
    int m_currentTip = 0;
    QRandomGenerator m_random;
    QLabel *m_lblTipText;
    QCheckBox *m_chkLoadTipsAtStartup;
};

// Shows a fresh tip window modally, as start-up does.
void showTipModal();
// Shows the tip window without waiting (Help > Tip of the Day).
FrmTip &frmTip();
bool frmTipLoaded();

} // namespace ts
