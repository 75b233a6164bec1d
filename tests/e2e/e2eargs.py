"""Command-line arguments shared by the end-to-end test scripts."""
import argparse


def parse():
    p = argparse.ArgumentParser()
    p.add_argument("--testform", required=True)
    p.add_argument("--program", required=True)
    p.add_argument("--out", required=True, help="a folder for the screenshots the test keeps")
    return p.parse_args()
