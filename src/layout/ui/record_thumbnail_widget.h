// A record's thumbnail as a control: shows one record (a shape, a page layout), or only the
// button face. The drawing is the record type's own: drawThumbnail(painter, area, record, face),
// found beside the record type.
#pragma once

#include <optional>

#include <QWidget>

class QPainter;

namespace qm {

class RecordThumbnailWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual bool showsRecord() const = 0;
    virtual void drawRecord(QPainter& painter, const QColor& buttonFace) const = 0;
};

template <class Record>
class TypedThumbnailWidget : public RecordThumbnailWidget {
public:
    using RecordThumbnailWidget::RecordThumbnailWidget;

    void showRecord(const Record& record)
    {
        m_record = record;
        update();
    }
    void clear()
    {
        m_record.reset();
        update();
    }
    const std::optional<Record>& shownRecord() const { return m_record; }

protected:
    bool showsRecord() const override { return m_record.has_value(); }
    void drawRecord(QPainter& painter, const QColor& buttonFace) const override
    {
        drawThumbnail(painter, rect(), *m_record, buttonFace);
    }

private:
    std::optional<Record> m_record;
};

}  // namespace qm
