// SPDX-License-Identifier: GPL-3.0-or-later
// A file packed with gzip, unpacked with zlib as it is read. Each member's checks, the
// CRC-32 and the length of its unpacked bytes in its last eight bytes, are checked as
// its end is unpacked, in the same pass.
#pragma once

#include <zlib.h>

#include <memory>
#include <vector>

#include "foundlog/bron.h"

namespace kz {

class Gzipbron final : public Bron {
public:
    // The unpacked bytes of bron, which begins with gzip's magic bytes.
    explicit Gzipbron(std::unique_ptr<Bron> bron);
    ~Gzipbron() override;
    Gzipbron(const Gzipbron&) = delete;
    Gzipbron& operator=(const Gzipbron&) = delete;

    // The unpacked bytes, member after member. A member that fails its checks, is no
    // valid deflate stream or is cut short fails the read with EBADMSG; bytes after the
    // last member that begin no new one are passed over, as gzip itself does.
    Stuk lees(char* doel, std::size_t ruimte) override;
    void zetLezing(Lezing lezing) override { bron_->zetLezing(lezing); }

private:
    Stuk stop(int fout);

    std::unique_ptr<Bron> bron_;
    z_stream strook_{};
    std::vector<unsigned char> invoer_;
    bool inLid_ = true;   // inside a member (the first begins at once)
    bool bronOp_ = false; // the packed source is read to its end
    bool klaar_ = false;
    int fout_ = 0;
};

} // namespace kz
