#include "sound/dekoder.h"
#include <QIODevice>
namespace vun::ton {
std::unique_ptr<Dekoder> aacDekoder(std::unique_ptr<QIODevice>) {
    return nullptr;
}
} // namespace vun::ton
