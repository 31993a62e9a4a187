// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/gzipbron.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <new>

namespace kz {

namespace {

// The packed bytes are read in blocks of this size.
constexpr std::size_t blokgrootte = std::size_t{64} << 10;

} // namespace

Gzipbron::Gzipbron(std::unique_ptr<Bron> bron) : bron_(std::move(bron)), invoer_(blokgrootte) {
    // 16 + the largest window: the gzip format only, whose header and trailer zlib reads
    // and checks itself.
    if (inflateInit2(&strook_, 16 + MAX_WBITS) != Z_OK) throw std::bad_alloc();
}

Gzipbron::~Gzipbron() { inflateEnd(&strook_); }

Bron::Stuk Gzipbron::stop(int fout) {
    klaar_ = true;
    fout_ = fout;
    return {0, fout};
}

Bron::Stuk Gzipbron::lees(char* doel, std::size_t ruimte) {
    if (klaar_) return {0, fout_};
    strook_.next_out = reinterpret_cast<Bytef*>(doel);
    strook_.avail_out = uInt(std::min<std::size_t>(ruimte, UINT_MAX));
    const uInt begin = strook_.avail_out;
    // Until some bytes are unpacked: a read returns nothing only at the end.
    while (strook_.avail_out == begin) {
        if (strook_.avail_in == 0 && !bronOp_) {
            const Stuk stuk = bron_->lees(reinterpret_cast<char*>(invoer_.data()), invoer_.size());
            if (stuk.fout != 0) return stop(stuk.fout);
            bronOp_ = stuk.lengte == 0;
            strook_.next_in = invoer_.data();
            strook_.avail_in = uInt(stuk.lengte);
        }
        if (!inLid_) {
            // After a member: the next one, or the end.
            if (strook_.avail_in == 0) {
                if (bronOp_) return stop(0);
                continue;
            }
            // A member begins with both bytes of gzip's mark; a lone first byte reads on behind it.
            if (strook_.avail_in == 1 && !bronOp_ && strook_.next_in[0] == 0x1f) {
                invoer_[0] = 0x1f;
                const Stuk stuk = bron_->lees(reinterpret_cast<char*>(invoer_.data()) + 1, invoer_.size() - 1);
                if (stuk.fout != 0) return stop(stuk.fout);
                bronOp_ = stuk.lengte == 0;
                strook_.next_in = invoer_.data();
                strook_.avail_in = uInt(1 + stuk.lengte);
            }
            if (strook_.avail_in < 2 || strook_.next_in[0] != 0x1f || strook_.next_in[1] != 0x8b) return stop(0);
            inflateReset(&strook_);
            inLid_ = true;
        }
        const int r = inflate(&strook_, Z_NO_FLUSH);
        if (r == Z_STREAM_END) inLid_ = false; // its CRC-32 and length were right
        else if (r == Z_MEM_ERROR) throw std::bad_alloc();
        // Z_BUF_ERROR: no progress without more input, which is damage at the source's end.
        else if (r != Z_OK && !(r == Z_BUF_ERROR && !bronOp_)) return stop(EBADMSG);
    }
    return {std::size_t(begin - strook_.avail_out), 0};
}

} // namespace kz
