#pragma once

namespace kelvora {

class UserPort;
class View;

// Deletes the view's current record once the user confirms "Delete record?";
// true when it was deleted. Nothing is asked when there is no record.
bool confirmAndDeleteCurrent(View& view, UserPort& port);

} // namespace kelvora
