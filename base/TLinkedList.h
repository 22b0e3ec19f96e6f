#pragma once
// Ordered doubly linked list.

#include <cstdint>
#include <utility>

namespace Ostrel {

template <class T> class TLinkedList {
    struct Node {
        T value;
        Node* prev;
        Node* next;
    };

public:
    class Iterator {
    public:
        explicit Iterator(Node* n) : node_(n) {}
        T& operator*() const { return node_->value; }
        T* operator->() const { return &node_->value; }
        Iterator& operator++() {
            node_ = node_->next;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return node_ != o.node_; }

    private:
        friend class TLinkedList;
        Node* node_;
    };

    TLinkedList() = default;
    ~TLinkedList() { clear(); }
    TLinkedList(const TLinkedList&) = delete;
    TLinkedList& operator=(const TLinkedList&) = delete;

    void append(T value) {
        Node* n = new Node{std::move(value), tail_, nullptr};
        (tail_ ? tail_->next : head_) = n;
        tail_ = n;
        ++count_;
    }
    void prepend(T value) {
        Node* n = new Node{std::move(value), nullptr, head_};
        (head_ ? head_->prev : tail_) = n;
        head_ = n;
        ++count_;
    }
    // Removes the entry at `it`; answers an iterator to the one after it.
    Iterator remove(Iterator it) {
        Node* n = it.node_;
        Node* next = n->next;
        (n->prev ? n->prev->next : head_) = n->next;
        (n->next ? n->next->prev : tail_) = n->prev;
        delete n;
        --count_;
        return Iterator(next);
    }
    void clear() {
        while (head_)
            remove(begin());
    }

    Iterator begin() const { return Iterator(head_); }
    Iterator end() const { return Iterator(nullptr); }
    T& first() { return head_->value; }
    T& last() { return tail_->value; }
    int32_t count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }

private:
    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    int32_t count_ = 0;
};

} // namespace Ostrel
