// An object in static storage whose destructor never runs. For what a thread
// that can outlive main() still uses: the process's exit sequence destroys
// static objects while such a thread runs on, and calling into a destroyed
// object is as wrong as reading freed memory. (The same idea as Chromium's
// base::NoDestructor.)
#pragma once

#include <new>
#include <type_traits>
#include <utility>

namespace sc {

template <typename T>
class NoDestructor {
 public:
  template <typename... Args>
  explicit NoDestructor(Args&&... args) {
    new (storage_) T(std::forward<Args>(args)...);
  }
  NoDestructor(const NoDestructor&) = delete;
  NoDestructor& operator=(const NoDestructor&) = delete;

  T& operator*() { return *get(); }
  T* operator->() { return get(); }
  T* get() { return std::launder(reinterpret_cast<T*>(storage_)); }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};

}  // namespace sc
