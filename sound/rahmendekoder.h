#pragma once

// What the decoders of one frame at a time share: the frame decoded into a store, handed out in
// the pieces the sound server asks for.
#include "sound/dekoder.h"

#include <algorithm>
#include <vector>

namespace vun::ton {

class Rahmendekoder : public Dekoder {
public:
    qint64 lesen(qint16* ziel, qint64 bilder) final {
        const qint64 k = kanaele();
        qint64 fertig = 0;
        while (fertig < bilder) {
            if (vorne_ == vorrat_.size()) {
                vorrat_.clear();
                vorne_ = 0;
                if (!naechsterRahmen())
                    break;
                continue; // a frame may bring no samples
            }
            const qint64 n = std::min(qint64(vorrat_.size() - vorne_) / k, bilder - fertig);
            std::copy_n(vorrat_.begin() + qsizetype(vorne_), n * k, ziel + fertig * k);
            // A frame's last samples short of one for each channel are dropped, never waited on.
            vorne_ = n > 0 ? vorne_ + std::size_t(n * k) : vorrat_.size();
            fertig += n;
        }
        return fertig;
    }

protected:
    // The next frame's samples, interleaved, into vorrat_, which is empty; false at the end.
    // Each call must read on in the file, so that the frames run out.
    virtual bool naechsterRahmen() = 0;
    std::vector<qint16> vorrat_; // may hold the first frame before the first lesen()

private:
    std::size_t vorne_ = 0;
};

} // namespace vun::ton
