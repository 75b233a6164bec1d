"""Command-line arguments shared by the end-to-end test scripts."""
import argparse


def parse():
    p = argparse.ArgumentParser()
    p.add_argument("--testform", required=True)
    p.add_argument("--program", required=True)
    return p.parse_args()
