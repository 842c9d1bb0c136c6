#pragma once

// A picture as an image object or a document holds it: where it comes from
// (a file by path and format, the bytes of an embedded picture, or a decoded
// picture given whole) and a few decoded copies at the sizes it was needed
// at. A photo on a 100-dpi page needs a few hundred of its thousands of
// pixels each way; JPEG files are decoded at the smallest of the library's
// DCT scales that still covers the need and then reduced with an area
// filter to exactly the size asked for; other formats are decoded whole and
// reduced. A larger need later (a 300-dpi export, a zoomed view, a printer)
// decodes again.
//
// The copies of all holders together stay within one memory budget; the
// copy a holder used last is always kept, so a picture whose file changes
// or disappears after it was first decoded still shows (the file is then
// not read again). A holder may be used from several threads at once.

#include "imageio/PictureImage.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPictureHolder {
public:
    using Picture_t = std::shared_ptr<const CPictureImage>;

    // Reads the file's header (JPEG) or decodes it once (other formats) to
    // learn the picture's size; the file is read again for every decode.
    CPictureHolder(const std::string& path, int format);
    // An embedded picture: the bytes are kept and decoded as a file would be.
    CPictureHolder(std::vector<BYTE> bytes, int format);
    // A picture that exists only decoded; it is kept whole.
    explicit CPictureHolder(CPictureImage picture);
    ~CPictureHolder();
    CPictureHolder(const CPictureHolder&) = delete;
    CPictureHolder& operator=(const CPictureHolder&) = delete;

    // The picture as stored: valid when it could be read, its full size.
    bool IsValid() const;
    long GetWidth() const;
    long GetHeight() const;
    int GetType() const;
    long GetXDPI() const;
    long GetYDPI() const;
    std::string GetLastError() const;
    const std::string& Path() const;

    // The key colour and the "draw transparent" option given to every copy.
    RGBQUAD GetTransColor() const;
    void SetTransColor(RGBQUAD color);
    bool GetDrawTransparent() const;
    void SetDrawTransparent(bool on);

    // The picture at width x height pixels (signs ignored; sides larger than
    // the picture's own give the whole picture), from a copy held or decoded
    // now. Null for an invalid picture. When the file can no longer be read
    // the nearest copy held is given, possibly smaller than asked for.
    Picture_t Picture(long width, long height);
    Picture_t Full() { return Picture(GetWidth(), GetHeight()); }
    // Without decoding: the picture at that size when a copy held covers it
    // (sharp is then true), otherwise the largest copy held (sharp false), or
    // null when nothing is held.
    Picture_t Held(long width, long height, bool* sharp);
    // Decodes for that size on the shared worker pool; done (when given) is
    // called on the worker's thread once the copy is held. A request for a
    // size already asked for and not yet done is not repeated; its done is
    // still called when that decode is in.
    void Request(long width, long height, std::function<void()> done = {});
    // True when Picture(width, height) would need no decode.
    bool Covers(long width, long height) const;
    // While a decode for width x height is under way and reduced as it
    // decodes: the picture being made, of which rowsFromTop rows (counted
    // from the picture's top) are final; its other rows are still being
    // written. Null when no such decode is under way.
    Picture_t Partial(long width, long height, long* rowsFromTop);

    // How often the source was decoded, and the size of the last decode
    // before any reduction (for tests and figures).
    int DecodeCount() const;
    CSize LastDecodeSize() const;
    std::size_t HeldBytes() const;
    std::size_t HeldCount() const;

    // The memory budget of all copies of all holders together.
    static void SetBudget(std::size_t bytes);
    static std::size_t Budget();
    static std::size_t TotalHeldBytes();

    struct State;

private:
    std::shared_ptr<State> m_state;
};
