// The settings record from outside bytes: the first 428 bytes are a config.bin, the rest a
// NAME=VALUE edit as `tavik-tool config set` takes it.
#include "core/settings/FileDataFields.h"
#include "core/settings/SettingValues.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/ValueChecks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const tvk::Result<SettingsRecord> decodedRecord = SettingsRecord::decode(bytes);
    const bool decoded = decodedRecord.ok();
    const SettingsRecord record = decoded ? *decodedRecord : SettingsRecord{};
    if (decoded != (bytes.size() >= SettingsRecord::kSize))
        std::abort();
    if (decoded) {
        if (record.encode() != bytes.left(SettingsRecord::kSize))
            std::abort();
        for (const FileDataField &field : fileDataFields()) {
            if (!fileDataFieldValue(record, field.name).isValid())
                std::abort();
        }
        (void)recordText(record.szPlateNumber);
        (void)recordText(record.wifi_ssid);
        (void)computeChecksum(record);
    }

    const QString edit = QString::fromUtf8(bytes.mid(decoded ? SettingsRecord::kSize : 0));
    const qsizetype equals = edit.indexOf(u'=');
    if (equals > 0) {
        SettingsRecord changed = record;
        if (!setSettingValue(changed, edit.left(equals), edit.mid(equals + 1))) {
            if (changed.encode() != record.encode())
                std::abort(); // a refused value must leave the record alone
        }
        applySaveStep(changed);
    }
    (void)ValueChecks::validateGsensorThreshold(edit);
    if (filteredCarNumber(edit).size() > 8)
        std::abort();
    return 0;
}
