#include "core/records/flashsavevalue.h"

#include <QtEndian>

namespace {

// Calls v(field, offset) for every field, in record order.
template <class Record, class Visitor> void visitFields(Record &r, Visitor &&v)
{
#define TVK_FIELD(x) v(r.x, offsetof(DrivingRecordImage, x))
    TVK_FIELD(seq);
    TVK_FIELD(weekDay);
    TVK_FIELD(gpsValid);
    TVK_FIELD(yearSince1900);
    TVK_FIELD(month);
    TVK_FIELD(day);
    TVK_FIELD(hour);
    TVK_FIELD(minute);
    TVK_FIELD(second);
    TVK_FIELD(latitudeInt);
    TVK_FIELD(latitudeFrac);
    TVK_FIELD(longitudeInt);
    TVK_FIELD(longitudeFrac);
    TVK_FIELD(curSpeed);
    TVK_FIELD(drivingDistance);
    TVK_FIELD(reserved1);
    TVK_FIELD(maxSpeed);
    TVK_FIELD(reserved2);
    TVK_FIELD(reserved3);
    TVK_FIELD(gsensorX);
    TVK_FIELD(gsensorY);
    TVK_FIELD(gsensorZ);
    TVK_FIELD(battery);
#undef TVK_FIELD
}

} // namespace

DrivingRecordImage DrivingRecordImage::decode(const uchar *bytes)
{
    DrivingRecordImage record{};
    visitFields(record, [bytes](auto &field, std::size_t offset) {
        field = qFromLittleEndian<std::remove_reference_t<decltype(field)>>(bytes + offset);
    });
    return record;
}

QByteArray DrivingRecordImage::encode() const
{
    QByteArray bytes(kSize, '\0');
    auto *image = reinterpret_cast<uchar *>(bytes.data());
    visitFields(*this, [image](const auto &field, std::size_t offset) {
        qToLittleEndian<std::remove_cvref_t<decltype(field)>>(field, image + offset);
    });
    return bytes;
}
