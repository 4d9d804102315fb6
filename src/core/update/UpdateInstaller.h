#pragma once

#include "update/UpdatePlan.h"

#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <vector>

// Puts the planned files in place together: each is first copied beside its target under a
// temporary name, and only once every copy is complete are they renamed over the old files.
// A copy that fails leaves the old site data as it was and no temporary file behind.
class UpdateInstaller {
public:
    using Status = std::function<void(const QString&)>;

    explicit UpdateInstaller(Status status) : m_status(std::move(status)) {}

    // Copies every file beside its target. Raises ShipkitError with the reason; nothing is
    // installed then.
    void stage(const std::vector<UpdatePlan::Item>& items);
    // Renames the copies into place. A rename that fails (which only a broken disk or a
    // change under our feet causes) raises ShipkitError, saying the update stopped part-way.
    void commit();

private:
    void stage(const UpdatePlan::Item& item);
    void copy(const UpdatePlan::Item& item, QTemporaryFile& out);

    // A finished copy: the temporary file (removed unless renamed), its name and its target.
    struct Staged {
        std::unique_ptr<QTemporaryFile> file;
        QString path;
        QString target;
    };

    Status m_status;
    std::vector<Staged> m_staged;
};
