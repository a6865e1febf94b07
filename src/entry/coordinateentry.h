// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <QtGlobal>

#include <memory>
#include <optional>

class EntryEventFilter;
class EntryPaste;
class QComboBox;
class QLabel;
class QLineEdit;

// One coordinate of the latitude/longitude box: its decimal field, the
// hemisphere list that carries its sign, and the same value in degrees,
// minutes and seconds, with their captions. The decimal field is the value
// of record; the entry keeps the two forms in step, filters the keys of its
// fields and takes pasted coordinates.
//
// Each of the four coordinates is one entry, and the window's handlers are
// the entry's own on each of them. decimalChanged is txtLat1_Change,
// txtLon1_Change, txtLat2_Change and txtLon2_Change. degreesLeft,
// minutesLeft and secondsLeft are txtLatD1_LostFocus, txtLatM1_LostFocus,
// txtLatS1_LostFocus, txtLonD1_LostFocus, txtLonM1_LostFocus,
// txtLonS1_LostFocus, txtLatD2_LostFocus, txtLatM2_LostFocus,
// txtLatS2_LostFocus, txtLonD2_LostFocus, txtLonM2_LostFocus and
// txtLonS2_LostFocus. decimalKey is txtLat1_KeyPress, txtLon1_KeyPress,
// txtLat2_KeyPress and txtLon2_KeyPress; dmsKey is txtLatD1_KeyPress,
// txtLatM1_KeyPress, txtLatS1_KeyPress, txtLonD1_KeyPress, txtLonM1_KeyPress,
// txtLonS1_KeyPress, txtLatD2_KeyPress, txtLatM2_KeyPress, txtLatS2_KeyPress,
// txtLonD2_KeyPress, txtLonM2_KeyPress and txtLonS2_KeyPress.
class CoordinateEntry : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Latitude, Longitude };
    enum class Point { Start, End };

    // The objectNames of the controls, as the window names them.
    struct Names
    {
        const char *caption, *decimal, *hemisphere, *degrees, *minutes, *seconds;
        const char *degreesCaption, *minutesCaption, *secondsCaption;
    };

    CoordinateEntry(Kind kind, Point point, const Names &names, QWidget *parent = nullptr);
    ~CoordinateEntry() override;

    QLabel *caption() const { return m_caption; }
    QLineEdit *decimal() const { return m_decimal; }
    QComboBox *hemisphere() const { return m_hemisphere; }
    QLineEdit *degrees() const { return m_degrees; }
    QLineEdit *minutes() const { return m_minutes; }
    QLineEdit *seconds() const { return m_seconds; }
    QLabel *degreesCaption() const { return m_degreesCaption; }
    QLabel *minutesCaption() const { return m_minutesCaption; }
    QLabel *secondsCaption() const { return m_secondsCaption; }

    // The signed value: the decimal field's number, negative when the list
    // shows S or W; nothing while the field is empty or does not read.
    std::optional<double> value() const;
    // The other coordinate of the same point: a pasted pair sets both.
    void pairWith(CoordinateEntry &other);
    // Empties the decimal field; its degrees, minutes and seconds follow.
    void clear();
    // Writes a signed value as the user enters it: the hemisphere is picked
    // (its pick handling runs), then the magnitude typed in six decimals.
    void enter(double signedValue);

    // The focus-loss handling of one of the entry's degree, minute or second
    // fields; false for any other control.
    bool fieldLeft(const QObject *field);

signals:
    // After every change of the decimal field or of the hemisphere.
    void valueChanged(std::optional<double> value);

private:
    void decimalChanged();
    void degreesLeft();
    void minutesLeft();
    void secondsLeft();
    void writeDecimal(int degrees, int minutes, double seconds);
    bool keyPress(const QObject *control, qint16 &KeyAscii);
    void decimalKey(qint16 &KeyAscii);
    void dmsKey(const QObject *control, qint16 &KeyAscii);
    int typingLimit(const QObject *control) const;

    const Kind m_kind;
    const Point m_point;
    // 90 for a latitude, 180 for a longitude.
    const int m_limit;
    QLabel *m_caption;
    QLineEdit *m_decimal;
    QComboBox *m_hemisphere;
    QLineEdit *m_degrees, *m_minutes, *m_seconds;
    QLabel *m_degreesCaption, *m_minutesCaption, *m_secondsCaption;
    std::unique_ptr<EntryEventFilter> m_filter;
    std::unique_ptr<EntryPaste> m_paste;
};
